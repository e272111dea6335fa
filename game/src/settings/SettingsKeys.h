#pragma once

// Sections, keys and default texts of the program's settings file. Switches
// are written "On"/"Off"; numbers are unsigned 16-bit decimals.

namespace keys {

inline constexpr const char* kJigsaw = "Jigsaw";
inline constexpr const char* kOptions = "Options";
inline constexpr const char* kLocations = "Locations";
inline constexpr const char* kPlayers = "Players";

inline constexpr const char* kOn = "On";
inline constexpr const char* kOff = "Off";

// Section Jigsaw.
inline constexpr const char* kSettings = "Settings";
inline constexpr const char* kSettingsDefault = "1,8,1,1,0,1,1,1,0,2";
inline constexpr const char* kLevel = "Level";
inline constexpr int kLevelDefault = 4;
inline constexpr const char* kExpertMissedFact = "ExpertMissedFact";
inline constexpr int kExpertMissedFactDefault = 10;
inline constexpr const char* kBonusOnExact = "BonusOnExact";
inline constexpr const char* kSnapBeginner = "SnapBeginner";
inline constexpr const char* kSnapNovice = "SnapNovice";
inline constexpr const char* kSnapStandard = "SnapStandard";
inline constexpr const char* kSnapExpert = "SnapExpert";
inline constexpr const char* kSoundLoading = "SoundLoading";
inline constexpr const char* kSoundCut = "SoundCut";
inline constexpr const char* kSoundSelect = "SoundSelect";
inline constexpr const char* kSoundMove = "SoundMove";
inline constexpr const char* kSoundSnap = "SoundSnap";
inline constexpr const char* kSoundRelease = "SoundRelease";
inline constexpr const char* kSoundLockPiece = "SoundLockPiece";
inline constexpr const char* kSoundBonus = "SoundBonus";
inline constexpr const char* kSoundExpertError = "SoundExpertError";
inline constexpr const char* kLastSavedGameDir = "Last Saved Game Dir";
inline constexpr const char* kLastSaved = "LastSaved";
inline constexpr const char* kLastSavedDefault = "*.jig";
inline constexpr const char* kPieceSize = "PieceSize";
inline constexpr const char* kMinPieceSize = "MinPieceSize";
inline constexpr int kMinPieceSizeDefault = 23;
inline constexpr const char* kThrowPiecesOnTable = "ThrowPiecesOnTable";
inline constexpr const char* kThrowPiecesOnVisibleArea = "ThrowPiecesOnVisibleArea";
inline constexpr const char* kThrowPiecesOnPict = "ThrowPiecesOnPict";
inline constexpr const char* kOverviewPosition = "OverwiewPosition";
// "Highscore%d", n from 1 to 10, "[%s,%s,%s,%s,%s,%s]".
inline constexpr const char* kHighscoreFormat = "Highscore%d";
inline constexpr const char* kHighscoreDefault = "[,0,,]";
inline constexpr const char* kPromotionJumble = "PromotionJumble";
inline constexpr const char* kPromotionPaused = "PromotionPaused";
inline constexpr const char* kPromotionPieces = "PromotionPieces";
// Followed by a hook's key: the day of its last daily run, "%d,%d".
inline constexpr const char* kLastAnimation = "LastAnimation";

// Section Options.
inline constexpr const char* kBackground = "Background";
inline constexpr const char* kBackgroundDefault = "128 255 0";
inline constexpr const char* kSound = "Sound";
// Where the main frame was when the program last ended: "x y width height".
inline constexpr const char* kPlacement = "Placement";

// Section Locations (directories, read with GetIniPath).
inline constexpr const char* kSoundDir = "Sound";
inline constexpr const char* kSavedGames = "Saved Games";

// Section Players.
inline constexpr const char* kName1 = "Name1";

}  // namespace keys
