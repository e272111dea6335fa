#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDialog>
#include <QImage>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/PackedDib.h"

// Helpers of the picture library tests: pictures as file bytes, a scratch
// folder, and a configuration directory the library finds through the
// registry stand-in.
namespace pictest {

// Bytes of image encoded as format ("png", "jpeg", "bmp").
std::vector<std::uint8_t> encoded(const QImage& image, const char* format);
// A plain picture of one colour.
QImage filled(int width, int height, QRgb colour);
// A 24-bit bitmap of one colour (0x00RRGGBB).
platform::PackedDib solidDib(int width, int height, std::uint32_t colour);
// Pixel (x, y) from the top of a 24-bit bitmap, 0x00RRGGBB.
std::uint32_t pixelAt(const platform::PackedDib& dib, int x, int y);

// The tests' one application object, made on first use.
QApplication& application();

// Runs inside with the next modal dialog once it is open. The library may
// let events through before it opens the dialog, so this keeps looking (for
// up to ten seconds) instead of assuming the first event finds it.
void whenModal(std::function<void(QDialog*)> inside);

// A fresh empty folder under the test output folder.
std::string scratchFolder(const std::string& name);
void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Records dir as the installation directory in the tests' private key store, so the library's
// configuration directory is dir. Returns dir with a trailing separator.
std::string useConfigDirectory(const std::string& dir);

}  // namespace pictest
