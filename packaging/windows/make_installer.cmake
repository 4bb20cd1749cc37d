# Packs the Windows program: the installer and the portable zip, both from the stripped program.
#   cmake -DPROGRAM=... -DVERSION=... -DSOURCE_DIR=... -DOUTPUT_DIR=... -DSTRIP=... -DMAKENSIS=...
#         -DFONT_LICENCE=... -P make_installer.cmake
set(stage ${OUTPUT_DIR}/windows-stage)
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage}/Kronesluk)

execute_process(COMMAND ${STRIP} -o ${stage}/Kronesluk/kronesluk.exe ${PROGRAM}
    COMMAND_ERROR_IS_FATAL ANY)
file(COPY_FILE ${FONT_LICENCE} ${stage}/Kronesluk/Baskervald-ADF-licence.txt)

file(SIZE ${stage}/Kronesluk/kronesluk.exe program_bytes)
math(EXPR size_kb "(${program_bytes} + 1023) / 1024")
execute_process(
    COMMAND ${MAKENSIS} -V2 -WX -INPUTCHARSET UTF8
        -DVERSION=${VERSION}
        -DPROGRAM=${stage}/Kronesluk/kronesluk.exe
        -DFONT_LICENCE=${FONT_LICENCE}
        -DICON=${SOURCE_DIR}/assets/kronesluk.ico
        -DSIZE_KB=${size_kb}
        -DOUTFILE=${OUTPUT_DIR}/kronesluk-${VERSION}-setup.exe
        ${SOURCE_DIR}/packaging/windows/kronesluk.nsi
    COMMAND_ERROR_IS_FATAL ANY)

# The portable copy: unpack anywhere and play; it writes nothing outside its folder.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E tar cf ${OUTPUT_DIR}/kronesluk-${VERSION}-windows-x64.zip
        --format=zip Kronesluk
    WORKING_DIRECTORY ${stage}
    COMMAND_ERROR_IS_FATAL ANY)
