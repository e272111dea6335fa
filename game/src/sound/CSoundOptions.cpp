#include "sound/CSoundOptions.h"

#include <filesystem>
#include <utility>

#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/Sound.h"
#include "settings/IniStore.h"
#include "settings/SettingsKeys.h"
#include "sound/SoundEvent.h"

namespace {

// The sound folder when the settings name none: the build and the
// installation both put the sounds there, beside the program's bin folder.
constexpr const char* kSoundFolderDefault = "../share/tessella/sounds";

// MessageBeep types: the default sound stands in for a file; the plain beep.
constexpr unsigned kBeepDefault = 0;
constexpr unsigned kBeepSimple = 0xFFFFFFFF;

struct EventEntry {
    int event;
    const char* file;
    bool SoundSwitches::*gate;
    bool beepFallback;
};

// kLockPreview is the preview of the "Lock - unlock pieces" box, gated only by
// "Sound enabled"; kLock is the lock itself and plays the same file.
constexpr EventEntry kEvents[] = {
    {sound::kBonus, "JIGBONUS.WAV", &SoundSwitches::bonus, true},
    {sound::kIntro, "JIGINTRO.WAV", &SoundSwitches::enabled, true},
    {sound::kLoading, "JIGLOAD.WAV", &SoundSwitches::loading, false},
    {sound::kCut, "JIGCUT.WAV", &SoundSwitches::cut, false},
    {sound::kSelect, "JIGCLICK.WAV", &SoundSwitches::select, false},
    {sound::kMove, "JIGMOVE.WAV", &SoundSwitches::move, false},
    {sound::kRelease, "JIGRELEA.WAV", &SoundSwitches::release, false},
    {sound::kSnap, "JIGSNAP.WAV", &SoundSwitches::snap, true},
    {sound::kError, "JIGERROR.WAV", &SoundSwitches::enabled, true},
    {sound::kLockPreview, "JIGLOCK.WAV", &SoundSwitches::enabled, true},
    {sound::kHighScore, "JIGHIGHS.WAV", &SoundSwitches::enabled, true},
    {sound::kFirstPlace, "JIGFIRST.WAV", &SoundSwitches::enabled, true},
    {sound::kPause, "JIGPAUSE.WAV", &SoundSwitches::enabled, true},
    {sound::kLock, "JIGLOCK.WAV", &SoundSwitches::lock, false},
    {sound::kUnlock, "JIGNOLOC.WAV", &SoundSwitches::lock, false},
    {sound::kLocked, "JIGLOCER.WAV", &SoundSwitches::enabled, true},
    {sound::kExpertError, "JIGEXPER.WAV", &SoundSwitches::expertError, true},
};

const EventEntry* findEvent(int event) {
    for (const EventEntry& entry : kEvents) {
        if (entry.event == event) {
            return &entry;
        }
    }
    return nullptr;
}

// Where each switch is stored; "Sound enabled" alone lives in Options.
struct SwitchKey {
    bool SoundSwitches::*field;
    const char* key;
    const char* section;
};

constexpr SwitchKey kSwitchKeys[] = {
    {&SoundSwitches::cut, keys::kSoundCut, nullptr},
    {&SoundSwitches::loading, keys::kSoundLoading, nullptr},
    {&SoundSwitches::move, keys::kSoundMove, nullptr},
    {&SoundSwitches::select, keys::kSoundSelect, nullptr},
    {&SoundSwitches::enabled, keys::kSound, keys::kOptions},
    {&SoundSwitches::bonus, keys::kSoundBonus, nullptr},
    {&SoundSwitches::release, keys::kSoundRelease, nullptr},
    {&SoundSwitches::snap, keys::kSoundSnap, nullptr},
    {&SoundSwitches::expertError, keys::kSoundExpertError, nullptr},
    {&SoundSwitches::lock, keys::kSoundLockPiece, nullptr},
};

}  // namespace

SoundSettingsIo SoundSettingsIo::iniStore() {
    return {
        [](int def, const char* key, const char* section) { return GetIniInt(def, key, section); },
        [](int value, const char* key, const char* section) {
            WriteIniInt(value, keys::kOn, keys::kOff, key, section);
        },
        [](const char* key, const char* def, const char* section) {
            return GetIniPath(key, def, section);
        },
    };
}

CSoundOptions::CSoundOptions()
    : CSoundOptions([](const char* file, unsigned flags) { return sndPlaySoundA(file, flags); },
                    [](unsigned type) { MessageBeep(type); }) {}

CSoundOptions::CSoundOptions(Player player, Beeper beeper)
    : m_player(std::move(player)), m_beeper(std::move(beeper)) {}

void CSoundOptions::Load(const SoundSettingsIo& io) {
    for (const SwitchKey& entry : kSwitchKeys) {
        m_switches.*entry.field = io.getInt(1, entry.key, entry.section) != 0;
    }
    m_deviceWorks = true;
    // A folder found relative to the current directory is pinned now: the
    // picture library changes the current directory later.
    const std::string folder = io.getPath(keys::kSoundDir, kSoundFolderDefault, keys::kLocations);
    SetFolder(std::filesystem::absolute(folder).string());
}

void CSoundOptions::Save(const SoundSettingsIo& io) const {
    for (const SwitchKey& entry : kSwitchKeys) {
        io.writeInt(m_switches.*entry.field ? 1 : 0, entry.key, entry.section);
    }
}

void CSoundOptions::SetFolder(const std::string& folder) {
    m_folder = folder;
    if (m_folder.empty() || m_folder.back() != platform::kSeparator) {
        m_folder += platform::kSeparator;
    }
}

std::string CSoundOptions::FileName(int event) {
    const EventEntry* entry = findEvent(event);
    return entry ? entry->file : std::string();
}

std::string CSoundOptions::FilePath(int event) const {
    const std::string file = FileName(event);
    return file.empty() ? file : m_folder + file;
}

bool CSoundOptions::MaySound(int event) {
    const EventEntry* entry = findEvent(event);
    if (entry == nullptr) {
        return false;
    }
    const bool on = m_switches.*entry->gate;
    if (entry->beepFallback && on && !m_deviceWorks) {
        m_beeper(kBeepDefault);
        return false;
    }
    return on && m_switches.enabled && m_deviceWorks;
}

std::string CSoundOptions::GatedPath(int event) {
    return MaySound(event) ? FilePath(event) : std::string();
}

void CSoundOptions::NoteResult(int result, const std::string& path) {
    if (result == 0 && platform::fileExists(platform::resolvePath(path))) {
        m_deviceWorks = false;
    }
}

void CSoundOptions::PlayWait(int event) {
    const std::string path = GatedPath(event);
    if (!path.empty()) {
        NoteResult(m_player(path.c_str(), SND_SYNC), path);
    }
}

void CSoundOptions::PlayUnlessBusy(int event) {
    const std::string path = GatedPath(event);
    if (!path.empty()) {
        m_player(path.c_str(), SND_ASYNC | SND_NOSTOP);
    }
}

int CSoundOptions::PlayLooped(int event) {
    const std::string path = GatedPath(event);
    if (path.empty()) {
        return 0;
    }
    NoteResult(m_player(path.c_str(), SND_ASYNC | SND_LOOP), path);
    return 1;
}

int CSoundOptions::Play(int event) {
    const std::string path = GatedPath(event);
    if (path.empty()) {
        return 0;
    }
    m_player(path.c_str(), SND_ASYNC);
    return 1;
}

void CSoundOptions::PlayEvent(int event) {
    switch (sound::modeOf(event)) {
        case sound::SoundMode::Sync:
            PlayWait(event);
            break;
        case sound::SoundMode::AsyncNoStop:
            PlayUnlessBusy(event);
            break;
        case sound::SoundMode::Looped:
            PlayLooped(event);
            break;
        case sound::SoundMode::Async:
            Play(event);
            break;
    }
}

void CSoundOptions::Stop() {
    m_player(nullptr, SND_SYNC);
}

void CSoundOptions::Beep() {
    m_beeper(kBeepSimple);
}
