// Writes the seed corpus of every fuzz target with the project's own
// writers: fuzz_seeds <folder> makes <folder>/<target>/<seed> files.
#include <QBuffer>
#include <QFile>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "BKIT32.h"
#include "FuzzSupport.h"
#include "GalleryList.h"
#include "GalleryWriter.h"
#include "PictureFileWriter.h"
#include "WavFile.h"
#include "bkit/WaveCollectionFile.h"
#include "cutting/PieceCutter.h"
#include "platform/ByteWriter.h"
#include "platform/PackedDib.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "platform/Surface.h"
#include "savegame/SavedGame.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

fs::path root;

void seed(const std::string& target, const std::string& name, const Bytes& bytes) {
    fs::create_directories(root / target);
    std::ofstream(root / target / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

Bytes fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

Bytes encoded(const QImage& image, const char* format) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return {data.begin(), data.end()};
}

QImage gradient(int width, int height, QImage::Format format) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x ^ y) & 0xFF));
        }
    }
    return image.convertToFormat(format);
}

// A game of 3 by 2 pieces, two of them joined, as the save command writes it.
SavedGame smallGame(platform::Surface& picture) {
    constexpr int kPiece = 24;
    std::srand(5);
    const cutting::PieceCutter cutter(kPiece, kPiece, 3, 2);
    SavedGame game;
    game.store = std::make_unique<sprites::SpriteStore>(6, 200, 200);
    game.store->setWorkspace(6 * kPiece, 4 * kPiece);
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) {
            const cutting::PieceMask* m = cutter.mask(c, r);
            const cutting::MaskBox box = cutter.maskBox(c, r);
            const cutting::MaskBits bits{m->words(), m->wordsPerRow(), m->width(), m->height(), 0,
                                         0};
            auto piece = sprites::Sprite::create(&picture, box.left, box.top, box.width, box.height,
                                                 {c * kPiece, r * kPiece, kPiece, kPiece}, &bits);
            game.store->collectRims(game.lowerRightRims, true, piece.get());
            game.store->collectRims(game.upperLeftRims, false, piece.get());
            game.store->add(std::move(piece));
            game.store->setPosition(game.store->at(game.store->count() - 1), 5 + 30 * c,
                                    7 + 20 * r);
        }
    }
    game.store->join(game.store->at(0), game.store->at(1));
    game.store->remove(game.store->at(1));
    SavedGameHeader& h = game.header;
    h.picturePath = "/home/player/Pictures/Harbour.ppx";
    h.pictureName = "Harbour";
    h.seed = 4711;
    h.level = 2;
    h.pictureRight = 3 * kPiece;
    h.pictureBottom = 2 * kPiece;
    h.pieceWidth = kPiece;
    h.pieceHeight = kPiece;
    h.pieceCount = 6;
    h.workspaceWidth = 6 * kPiece;
    h.workspaceHeight = 4 * kPiece;
    return game;
}

void gameSeeds() {
    platform::Surface picture(72, 48);
    const SavedGame game = smallGame(picture);
    seed("saved_game", "small.jig", game.encode());
    const std::vector<std::pair<std::uint8_t, std::function<void(platform::ByteWriter&)>>> records{
        {0,
         [&](platform::ByteWriter& out) {
             game.store->at(0)->region.write(out);
             game.lowerRightRims.write(out);
             game.store->at(0)->write(out);
             game.store->write(out);
         }},
        {1, [&](platform::ByteWriter& out) { game.upperLeftRims.write(out); }},
        {2, [&](platform::ByteWriter& out) { game.store->at(2)->write(out); }},
        {3, [&](platform::ByteWriter& out) { game.store->write(out); }},
    };
    for (const auto& [choice, write] : records) {
        platform::ByteWriter out;
        out.u8(choice);
        write(out);
        seed("records", "record" + std::to_string(choice), out.bytes());
    }
}

void pictureSeeds() {
    piclib::PictureFileWriter writer;
    writer.emblem = encoded(gradient(16, 8, QImage::Format_RGB32), "bmp");
    writer.picture = encoded(gradient(40, 30, QImage::Format_Indexed8), "bmp");
    const platform::PackedDib preview = platform::PackedDib::create(8, 6, 8, 16);
    writer.preview.assign(preview.data(), preview.data() + preview.size());
    writer.fields.shortEnglish = "Harbour";
    writer.fields.longEnglish = "Boats in a harbour at dusk.";
    writer.fields.shortGerman = "Hafen";
    writer.fields.helpFile = "HARBOUR";
    seed("picture_file", "full.ppx", writer.bytes());
    writer.preview.clear();
    writer.picture = encoded(gradient(30, 20, QImage::Format_RGB32), "png");
    writer.lastElement = piclib::InfoElement::kDisplayOption;
    seed("picture_file", "older.ppx", writer.bytes());

    piclib::PictureFileWriter logo;
    logo.emblem = encoded(gradient(12, 6, QImage::Format_RGB32), "bmp");
    logo.picture = logo.emblem;
    logo.fields.logoEnabled = 1;
    logo.fields.logoHorizontal = 1;
    logo.fields.logoVertical = 2;
    logo.fields.logoColour = 0x0000FF00;
    seed("logo", "right.lgo", logo.bytes());
    logo.fields.logoHorizontal = 2;
    logo.fields.logoHorizontalMargin = -20;
    seed("logo", "centred.lgo", logo.bytes());
}

piclib::GalleryWriter::Item galleryItem(int width, int height, const std::string& title) {
    piclib::GalleryWriter::Item item;
    item.entry.titles[0] = title;
    item.entry.descriptions[0] = title + " at dusk.";
    item.entry.titles[1] = title + " (de)";
    item.entry.pictureName = title + ".PPX";
    item.entry.pictureDirectory = "C:\\PICTURES";
    const platform::PackedDib dib = platform::PackedDib::create(width, height, 8, 16);
    item.thumbnail.assign(dib.data(), dib.data() + dib.size());
    return item;
}

void gallerySeeds() {
    piclib::GalleryWriter writer;
    writer.header.description = "Harbours";
    writer.header.font.faceName = "Serif";
    writer.selectedCell = galleryItem(6, 5, "");
    writer.normalCell = galleryItem(6, 5, "");
    writer.pictures = {galleryItem(4, 3, "Harbour"), galleryItem(5, 2, "Boats")};
    seed("gallery_file", "indexed.tmb", writer.bytes());
    writer.withIndex = false;
    seed("gallery_file", "chained.tmb", writer.bytes());

    const std::string ini = (root / "Gallery.ini.tmp").string();
    const piclib::GalleryList list(ini);
    list.add("/usr/share/tessella/TESSELLA.TMB", "Shipped pictures");
    list.add("C:\\PICTURES\\ANIMALS.TMB", "Animals");
    list.set(1, "C:\\PICTURES\\ANIMALS.TMB", 12);
    list.setLastOpened(1);
    seed("gallery_list", "Gallery.ini", fileBytes(ini));
    std::filesystem::remove(ini);
}

// A small Targa picture: run-length coded true colour with a footer.
Bytes targa() {
    Bytes b{0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 2, 0, 24, 0};
    for (std::uint8_t packet : {0x83, 0x03}) {
        b.push_back(packet);
        b.insert(b.end(), {0x10, 0x80, 0xF0});
        if (packet == 0x03) {
            b.insert(b.end(), {1, 2, 3, 4, 5, 6, 7, 8, 9});
        }
    }
    for (int i = 0; i < 8; ++i) {
        b.push_back(0);
    }
    const char footer[] = "TRUEVISION-XFILE.";
    b.insert(b.end(), footer, footer + sizeof footer);
    return b;
}

void imageSeeds() {
    seed("image", "true.bmp", encoded(gradient(9, 5, QImage::Format_RGB32), "bmp"));
    seed("image", "indexed.bmp", encoded(gradient(9, 5, QImage::Format_Indexed8), "bmp"));
    seed("image", "mono.bmp", encoded(gradient(9, 5, QImage::Format_Mono), "bmp"));
    seed("image", "picture.png", encoded(gradient(9, 5, QImage::Format_RGB32), "png"));
    seed("image", "picture.jpg", encoded(gradient(9, 5, QImage::Format_RGB32), "jpeg"));
    // Qt writes no GIF: a 1 x 1 picture with a two-colour table, by hand.
    seed("image", "picture.gif",
         {'G',  'I',  'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0,    0, 0, 0xFF, 0xFF,
          0xFF, 0x2C, 0,   0,   0,   0,   1, 0, 1, 0, 0,    2, 2, 0x44, 1, 0, 0x3B});
    seed("image", "picture.tif", encoded(gradient(9, 5, QImage::Format_RGB32), "tiff"));
    seed("image", "picture.tga", targa());
    for (int bits : {1, 4, 8, 24}) {
        const platform::PackedDib dib = platform::PackedDib::create(7, 3, bits, bits == 24 ? 0 : 2);
        seed("bitmap", "packed" + std::to_string(bits), {dib.data(), dib.data() + dib.size()});
    }
    seed("bitmap", "file8.bmp", encoded(gradient(7, 3, QImage::Format_Indexed8), "bmp"));
}

void textSeeds(const std::string& sourceDir) {
    const std::string ini = (root / "QUIET.INI.tmp").string();
    WritePrivateProfileStringA("Puzzle", "Sound", "On", ini.c_str());
    WritePrivateProfileStringA("Puzzle", "Level", "3", ini.c_str());
    WritePrivateProfileStringA("Galleries", "File0000", "C:\\PICTURES\\ANIMALS.TMB", ini.c_str());
    seed("profile", "quiet.ini", fileBytes(ini));
    fs::remove(ini);

    const std::string store = (root / "registry.tmp").string();
    setenv("TESSELLA_REGISTRY", store.c_str(), 1);
    HKEY key = nullptr;
    if (RegCreateKeyA(HKEY_CLASSES_ROOT, "SOFTWARE\\Classes\\Orbis_Playware\\Puzzle", &key) == 0) {
        RegSetValueA(key, "", 1, "/usr/share/tessella", 19);
        RegCloseKey(key);
    }
    seed("registry", "store", fileBytes(store));
    fs::remove(store);

    soundgen::Signal click(300);
    for (std::size_t i = 0; i < click.size(); ++i) {
        click[i] = (i % 40 < 20) ? 0.5 : -0.5;
    }
    const auto wav = soundgen::encodeWav(click);
    seed("wave", "click.wav", wav);
    seed("riff_wave", "click.wav", wav);
    // The collection the wave_collection target opens its quick loaders with.
    const std::vector<std::uint8_t> samples(64, 0x10);
    seed("wave_collection", "sounds.wcl",
         bkit::buildWaveCollection({{"CLICK", samples}, {"SNAP", samples}}, 44100));
    const std::string collection = (root / "wave_collection" / "sounds.wcl").string();
    const std::string quick = (root / "quick.tmp").string();
    if (SetWaveCollection(collection.c_str(), nullptr) != 0 &&
        SaveQuickLoader(quick.c_str()) != 0) {
        seed("wave_collection", "quick.ql", fileBytes(quick));
    }
    CloseWaveCollection();
    fs::remove(quick);
    seed("help", "TESSELLA.HLP", fileBytes(sourceDir + "/data/help/TESSELLA.HLP"));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds <folder>\n");
        return 2;
    }
    root = argv[1];
    fuzzsupport::ensureApp();
    gameSeeds();
    pictureSeeds();
    gallerySeeds();
    imageSeeds();
    textSeeds(TESSELLA_SOURCE_DIR);
    return 0;
}
