#pragma once

#include <functional>
#include <string>

// The switches the player sets in the Sound dialog; every one is on unless
// the settings say otherwise.
struct SoundSwitches {
    bool cut = true;
    bool loading = true;
    bool move = true;
    bool select = true;
    bool enabled = true;  // "Sound enabled": all game sounds
    bool bonus = true;
    bool release = true;
    bool snap = true;
    bool expertError = true;
    bool lock = true;

    bool operator==(const SoundSwitches&) const = default;
};

// The settings store as the sound options use it. A null section means the
// store's default section. The program uses iniStore(); tests give a fake.
struct SoundSettingsIo {
    std::function<int(int def, const char* key, const char* section)> getInt;
    // Writes 0 and 1 as "Off" and "On".
    std::function<void(int value, const char* key, const char* section)> writeInt;
    // A directory, resolved against the program's directory, no trailing
    // separator.
    std::function<std::string(const char* key, const char* def, const char* section)> getPath;

    static SoundSettingsIo iniStore();
};

// The game's sound options: which events sound, where the wave files lie and
// whether the sound device works. Owned by the application object; every
// sound of the game goes through it by event number.
class CSoundOptions {
  public:
    // The platform's one-call sound player and simple beep by default; tests
    // record the calls instead.
    using Player = std::function<int(const char* file, unsigned flags)>;
    using Beeper = std::function<void(unsigned type)>;

    CSoundOptions();
    CSoundOptions(Player player, Beeper beeper);

    // Reads the ten switches (default on) and the sound folder, and trusts
    // the device again.
    void Load(const SoundSettingsIo& io);
    // Writes the ten switches as "On"/"Off".
    void Save(const SoundSettingsIo& io) const;

    const SoundSwitches& Switches() const { return m_switches; }
    void SetSwitches(const SoundSwitches& switches) { m_switches = switches; }
    bool DeviceWorks() const { return m_deviceWorks; }
    // The folder of the wave files, ending in the platform separator.
    const std::string& Folder() const { return m_folder; }
    void SetFolder(const std::string& folder);

    // The wave file of an event ("JIGSNAP.WAV"), empty for a number without
    // one; and that file in the sound folder.
    static std::string FileName(int event);
    std::string FilePath(int event) const;

    // Whether the event may sound now. An event with beep fallback whose
    // switch is on gives a simple beep instead while the device does not work.
    bool MaySound(int event);

    // Plays the event's file and returns when it is done; failure means the
    // device does not work.
    void PlayWait(int event);
    // Plays the event's file unless another sound is still playing.
    void PlayUnlessBusy(int event);
    // Plays the event's file over and over until Stop; failure means the
    // device does not work. Returns 1 when a file was handed to the player.
    int PlayLooped(int event);
    // Plays the event's file and returns at once. Returns 1 when a file was
    // handed to the player.
    int Play(int event);
    // Plays the event in its own mode (sound::modeOf).
    void PlayEvent(int event);
    void Stop();
    void Beep();

  private:
    // The file to hand to the player, or empty when the event may not sound.
    std::string GatedPath(int event);
    // A failed play only condemns the device when the file is there to play.
    void NoteResult(int result, const std::string& path);

    Player m_player;
    Beeper m_beeper;
    SoundSwitches m_switches;
    bool m_deviceWorks = true;
    std::string m_folder;
};
