#include "ico_file.h"

#include <QBuffer>
#include <QtEndian>

namespace ksl::art {
namespace {

void Append16(QByteArray& out, quint16 value) {
    const quint16 little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

void Append32(QByteArray& out, quint32 value) {
    const quint32 little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

QByteArray Png(const QImage& image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

}  // namespace

QByteArray IcoFile(const std::vector<QImage>& images) {
    constexpr quint32 HeaderSize = 6;
    constexpr quint32 EntrySize = 16;
    QByteArray out;
    Append16(out, 0);  // reserved
    Append16(out, 1);  // an icon, not a cursor
    Append16(out, static_cast<quint16>(images.size()));

    QByteArray payload;
    quint32 offset = HeaderSize + EntrySize * static_cast<quint32>(images.size());
    for (const QImage& image : images) {
        const QByteArray png = Png(image);
        // A side of 256 is written as 0.
        out.append(static_cast<char>(image.width() >= 256 ? 0 : image.width()));
        out.append(static_cast<char>(image.height() >= 256 ? 0 : image.height()));
        out.append('\0');  // no palette
        out.append('\0');  // reserved
        Append16(out, 1);   // colour planes
        Append16(out, 32);  // bits per pixel
        Append32(out, static_cast<quint32>(png.size()));
        Append32(out, offset);
        offset += static_cast<quint32>(png.size());
        payload.append(png);
    }
    return out + payload;
}

}  // namespace ksl::art
