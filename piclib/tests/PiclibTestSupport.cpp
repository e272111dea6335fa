#include "PiclibTestSupport.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "BKIT32.h"

namespace pictest {

QApplication& application() {
    static int argc = 1;
    static char name[] = "piclib_tests";
    static char* argv[] = {name, nullptr};
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return *existing;
    }
    static QApplication* created = new QApplication(argc, argv);
    return *created;
}

namespace {

// Run outside CTest, the tests still keep away from the user's key store.
const bool privateRegistry = [] {
    const std::string store = std::string(TESSELLA_TEST_OUTPUT) + "/piclib_tests.registry";
    return setenv("TESSELLA_REGISTRY", store.c_str(), 0) == 0;
}();

}  // namespace

std::vector<std::uint8_t> encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return {bytes.begin(), bytes.end()};
}

QImage filled(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

platform::PackedDib solidDib(int width, int height, std::uint32_t colour) {
    auto dib = platform::PackedDib::create(width, height, 24);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = dib.row(y) + 3 * x;
            p[0] = static_cast<std::uint8_t>(colour);
            p[1] = static_cast<std::uint8_t>(colour >> 8);
            p[2] = static_cast<std::uint8_t>(colour >> 16);
        }
    }
    return dib;
}

std::uint32_t pixelAt(const platform::PackedDib& dib, int x, int y) {
    const std::uint8_t* p = dib.row(y) + 3 * x;
    return (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) |
           p[0];
}

std::string scratchFolder(const std::string& name) {
    const std::filesystem::path dir = std::filesystem::path(TESSELLA_TEST_OUTPUT) / "piclib" / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
}

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::string useConfigDirectory(const std::string& dir) {
    std::string withSeparator = dir;
    std::vector<char> buffer(withSeparator.begin(), withSeparator.end());
    buffer.resize(buffer.size() + 2, '\0');
    SetupPathForIniFile(buffer.data());
    return buffer.data();
}

namespace {

constexpr int kModalTries = 1000;  // 10 ms apart

void lookForModal(std::function<void(QDialog*)> inside, int tries) {
    QTimer::singleShot(tries == kModalTries ? 0 : 10, [inside = std::move(inside), tries] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr && tries > 0) {
            lookForModal(inside, tries - 1);
        } else if (dialog != nullptr) {
            inside(dialog);
        }
    });
}

}  // namespace

void whenModal(std::function<void(QDialog*)> inside) {
    lookForModal(std::move(inside), kModalTries);
}

}  // namespace pictest
