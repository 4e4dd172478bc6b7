#include "core/bmp_writer.h"

#include <QByteArray>
#include <QImage>
#include <QSaveFile>
#include <cstdint>

#include "core/drawing_files.h"

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
constexpr int kTableEntryBytes = 4;

void putLittleEndian(QByteArray& out, std::uint32_t value, int bytes) {
  for (int k = 0; k < bytes; ++k) {
    out.append(static_cast<char>((value >> (8 * k)) & 0xFF));
  }
}

// The pixels of row `y` in the file's layout, padded to `rowBytes`.
QByteArray packedRow(const QImage& image, int y, int bits, qsizetype rowBytes) {
  QByteArray row;
  row.reserve(rowBytes);
  const uchar* line = image.constScanLine(y);
  const int width = image.width();
  switch (bits) {
    case 1:  // Format_Mono holds the bits in this order already
      row.append(reinterpret_cast<const char*>(line), (width + 7) / 8);
      break;
    case 4:
      for (int x = 0; x < width; x += 2) {
        const int high = line[x] & 0x0F;
        const int low = x + 1 < width ? line[x + 1] & 0x0F : 0;
        row.append(static_cast<char>((high << 4) | low));
      }
      break;
    case 8:
      row.append(reinterpret_cast<const char*>(line), width);
      break;
    case 16: {  // Format_RGB555: 0RRRRRGGGGGBBBBB, as the file wants it
      const auto* pixels = reinterpret_cast<const quint16*>(line);
      for (int x = 0; x < width; ++x) {
        putLittleEndian(row, pixels[x], 2);
      }
      break;
    }
    default:  // Format_RGB888 holds red, green, blue; the file blue first
      for (int x = 0; x < width; ++x) {
        row.append(static_cast<char>(line[3 * x + 2]));
        row.append(static_cast<char>(line[3 * x + 1]));
        row.append(static_cast<char>(line[3 * x]));
      }
      break;
  }
  row.append(QByteArray(rowBytes - row.size(), '\0'));
  return row;
}

}  // namespace

bool WriteBmp(const QImage& image, ColourDepth depth, int pixelsPerInch, const QString& path) {
  const int bits = BitsPerPixel(depth);
  const QList<QRgb> table = bits <= 8 ? image.colorTable() : QList<QRgb>();
  const qsizetype rowBytes = (static_cast<qsizetype>(image.width()) * bits + 31) / 32 * 4;
  const qsizetype pixelBytes = rowBytes * image.height();
  const qsizetype offset =
      kFileHeaderBytes + kInfoHeaderBytes + kTableEntryBytes * static_cast<qsizetype>(table.size());
  const auto pixelsPerMetre = static_cast<std::uint32_t>(DotsPerMetre(pixelsPerInch));

  QByteArray head;
  head.append("BM");
  putLittleEndian(head, static_cast<std::uint32_t>(offset + pixelBytes), 4);
  putLittleEndian(head, 0, 4);
  putLittleEndian(head, static_cast<std::uint32_t>(offset), 4);
  putLittleEndian(head, kInfoHeaderBytes, 4);
  putLittleEndian(head, static_cast<std::uint32_t>(image.width()), 4);
  putLittleEndian(head, static_cast<std::uint32_t>(image.height()), 4);  // rows bottom-up
  putLittleEndian(head, 1, 2);                                           // planes
  putLittleEndian(head, static_cast<std::uint32_t>(bits), 2);
  putLittleEndian(head, 0, 4);  // no compression
  putLittleEndian(head, static_cast<std::uint32_t>(pixelBytes), 4);
  putLittleEndian(head, pixelsPerMetre, 4);
  putLittleEndian(head, pixelsPerMetre, 4);
  putLittleEndian(head, static_cast<std::uint32_t>(table.size()), 4);
  putLittleEndian(head, 0, 4);  // every colour important
  for (const QRgb colour : table) {
    head.append(static_cast<char>(qBlue(colour)));
    head.append(static_cast<char>(qGreen(colour)));
    head.append(static_cast<char>(qRed(colour)));
    head.append('\0');
  }

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return false;
  }
  file.write(head);
  for (int y = image.height() - 1; y >= 0; --y) {
    file.write(packedRow(image, y, bits, rowBytes));
  }
  return file.commit();
}
