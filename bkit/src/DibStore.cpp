#include "DibStore.h"

#include <QFile>
#include <algorithm>

#include "platform/DibDecoder.h"

namespace bkit {
namespace {

constexpr std::size_t kLargestTable = 4 * 256;

}  // namespace

DibStore& DibStore::instance() {
    static DibStore store;
    return store;
}

std::uint8_t* DibStore::adopt(const platform::PackedDib& dib, bool owned) {
    const std::size_t tableBytes = 4 * static_cast<std::size_t>(dib.colourCount());
    Block b;
    b.size = dib.size();
    b.capacity = dib.size() - std::min(tableBytes, dib.size()) + kLargestTable;
    b.capacity = std::max(b.capacity, b.size);
    b.bytes = std::make_unique<std::uint8_t[]>(b.capacity);
    std::copy_n(dib.data(), dib.size(), b.bytes.get());
    b.owned = owned;
    std::uint8_t* handle = b.bytes.get();
    blocks_.emplace(handle, std::move(b));
    return handle;
}

DibStore::Block* DibStore::find(const void* handle) {
    const auto it = blocks_.find(handle);
    return it == blocks_.end() ? nullptr : &it->second;
}

void DibStore::release(const void* handle) {
    const auto it = blocks_.find(handle);
    if (it != blocks_.end() && it->second.owned) {
        blocks_.erase(it);
    }
}

std::uint8_t* DibStore::resource(const std::string& path) {
    const auto cached = resources_.find(path);
    if (cached != resources_.end()) {
        return cached->second;
    }
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    const QByteArray bytes = file.readAll();
    const platform::PackedDib dib =
        platform::decodeDib({reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                             static_cast<std::size_t>(bytes.size())});
    if (dib.isNull()) {
        return nullptr;
    }
    std::uint8_t* handle = adopt(dib, false);
    resources_.emplace(path, handle);
    return handle;
}

}  // namespace bkit
