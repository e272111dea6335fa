#include "platform/Registry.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "RegistryStore.h"

// An open key: the full path of the key below the store's top.
struct RegistryKey {
    std::string path;
};

namespace {

RegistryKey classesRoot{"HKEY_CLASSES_ROOT"};

// Serialises the read-modify-write cycles on the store file.
std::mutex storeMutex;

bool isRoot(HKEY key) {
    return key == &classesRoot;
}

// Names that the store's line format could not hold.
bool validName(const char* name) {
    for (const char* p = name; *p != '\0'; ++p) {
        if (*p == '=' || static_cast<unsigned char>(*p) < 0x20) {
            return false;
        }
    }
    return true;
}

std::string fullPath(HKEY key, const char* subKey) {
    return platform::RegistryStore::join(key->path, subKey != nullptr ? subKey : "");
}

long openKey(HKEY root, const char* subKey, HKEY* result, bool create) {
    if (root == nullptr || result == nullptr) {
        return ERROR_FILE_NOT_FOUND;
    }
    *result = nullptr;
    if (subKey != nullptr && !validName(subKey)) {
        return ERROR_ACCESS_DENIED;
    }
    const std::string path = fullPath(root, subKey);
    if (path == root->path) {
        *result = isRoot(root) ? root : new RegistryKey{path};
        return ERROR_SUCCESS;
    }
    std::lock_guard<std::mutex> lock(storeMutex);
    platform::RegistryStore store;
    const std::string file = platform::RegistryStore::location();
    if (!store.load(file)) {
        return ERROR_ACCESS_DENIED;
    }
    if (!store.exists(path)) {
        if (!create) {
            return ERROR_FILE_NOT_FOUND;
        }
        store.create(path);
        if (!store.save(file)) {
            return ERROR_ACCESS_DENIED;
        }
    }
    *result = new RegistryKey{path};
    return ERROR_SUCCESS;
}

}  // namespace

const HKEY HKEY_CLASSES_ROOT = &classesRoot;

long RegOpenKeyA(HKEY root, const char* subKey, HKEY* result) {
    return openKey(root, subKey, result, false);
}

long RegCreateKeyA(HKEY root, const char* subKey, HKEY* result) {
    return openKey(root, subKey, result, true);
}

long RegQueryValueA(HKEY key, const char* subKey, char* value, long* size) {
    if (key == nullptr || size == nullptr || *size < 0) {
        return ERROR_FILE_NOT_FOUND;
    }
    std::optional<std::string> text;
    {
        std::lock_guard<std::mutex> lock(storeMutex);
        platform::RegistryStore store;
        if (!store.load(platform::RegistryStore::location())) {
            return ERROR_ACCESS_DENIED;
        }
        text = store.value(fullPath(key, subKey));
    }
    if (!text) {
        return ERROR_FILE_NOT_FOUND;
    }
    const long needed = static_cast<long>(text->size()) + 1;
    if (value == nullptr) {
        *size = needed;
        return ERROR_SUCCESS;
    }
    if (*size == 0) {
        return ERROR_MORE_DATA;
    }
    const long copied = std::min<long>(needed - 1, *size - 1);
    std::memcpy(value, text->data(), static_cast<std::size_t>(copied));
    value[copied] = '\0';
    *size = copied + 1;
    return copied + 1 < needed ? ERROR_MORE_DATA : ERROR_SUCCESS;
}

long RegSetValueA(HKEY key, const char* subKey, std::uint32_t type, const char* data,
                  std::uint32_t) {
    if (key == nullptr || type != REG_SZ || data == nullptr) {
        return ERROR_ACCESS_DENIED;
    }
    if ((subKey != nullptr && !validName(subKey)) || std::strpbrk(data, "\r\n") != nullptr) {
        return ERROR_ACCESS_DENIED;
    }
    std::lock_guard<std::mutex> lock(storeMutex);
    platform::RegistryStore store;
    const std::string file = platform::RegistryStore::location();
    if (!store.load(file)) {
        return ERROR_ACCESS_DENIED;
    }
    store.setValue(fullPath(key, subKey), data);
    return store.save(file) ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

long RegCloseKey(HKEY key) {
    if (key == nullptr) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (!isRoot(key)) {
        delete key;
    }
    return ERROR_SUCCESS;
}
