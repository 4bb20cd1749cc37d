// Writes design.json (see design_json.h), from which the browser edition builds its windows.
//   design_export OUTPUT.json

#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <cstdio>

#include "design_json.h"
#include "window_design/fonts.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: design_export OUTPUT.json\n", stderr);
        return 2;
    }
    // The windows are built, never shown: no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QApplication app(argc, argv);
    ksl::RegisterFontSubstitutes();

    QFile out(QString::fromLocal8Bit(argv[1]));
    const QByteArray json =
        QJsonDocument(ksl::design_export::DesignJson()).toJson(QJsonDocument::Compact);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(json) != json.size()) {
        std::fprintf(stderr, "design_export: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
