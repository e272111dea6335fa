#pragma once

#include <functional>
#include <memory>

#include "model/Assist.h"
#include "model/AutoAssembly.h"
#include "model/GameClock.h"
#include "model/Puzzle.h"
#include "model/PuzzleBuilder.h"
#include "model/ScoreKeeper.h"
#include "model/SkillLevel.h"

// One game without widgets: the picture, the cut puzzle, the level, the
// score, the clock and the automatic assembly. The view translates input
// into these calls; tests call them directly.
class GameSession {
  public:
    struct Hooks {
        std::function<void(int event)> sound;
        std::function<void()> beep;
        std::function<Assist::LockedChoice()> lockedPrompt;
    };

    explicit GameSession(Hooks hooks = {});

    // The picture bitmap; its address stays the same for the whole session,
    // so the sprites of a puzzle may point at it.
    platform::Surface& picture() { return *m_picture; }
    bool HasPicture() const { return !m_picture->isNull(); }
    void SetPicture(platform::Surface picture);

    Puzzle* puzzle() const { return m_puzzle.get(); }
    sprites::SpriteStore* store() const { return m_puzzle ? m_puzzle->store.get() : nullptr; }
    bool Complete() const { return m_puzzle && m_puzzle->complete(); }
    // The table's size in pixels: the puzzle's workspace, else twice the
    // picture's size each way (the picture alone can be scrolled), else 0.
    int TableWidth() const;
    int TableHeight() const;

    // Cuts and scatters the picture; the counters start again and so does
    // the clock. Returns the new puzzle.
    Puzzle& Cut(const PuzzleBuilder::Request& request, const PuzzleBuilder::Hooks& hooks,
                platform::Surface* window);
    // Takes a puzzle read from a saved game in place of the current one; its
    // sprites must draw from picture(). The clock and counters are the
    // caller's.
    Puzzle& Adopt(std::unique_ptr<Puzzle> puzzle);
    // Forgets the puzzle (the picture stays).
    void Clear();

    // Takes a level with its values, also into the store of a puzzle.
    void ApplyLevel(int level, const SnapValues& values, bool bonusOnExact);

    // A dropped group joins every neighbour it fits in turn (not at Expert
    // level); each join is scored. Returns the number of joins.
    int Drop(sprites::Sprite* group, platform::Surface* window, int clientWidth, int clientHeight);
    // The Expert fit request: one snap test; a miss costs the penalty.
    bool ExpertFit(sprites::Sprite* group, platform::Surface* window, int clientWidth,
                   int clientHeight);
    // The Assist command; returns whether a group joined.
    bool AssistGroup(sprites::Sprite* group, platform::Surface* window, bool* repaintAll);

    // Starts the automatic assembly from the upper-left piece.
    AutoAssembly::StartResult StartAssembly(platform::Surface* window, int visibleX, int visibleY);
    // One assembly step; false when it has stopped.
    bool AssemblyStep(platform::Surface* window);

    SkillLevel level;
    ScoreKeeper score;
    GameClock clock;
    AutoAssembly assembly;

  private:
    Assist MakeAssist(platform::Surface* window) const;

    Hooks m_hooks;
    std::unique_ptr<platform::Surface> m_picture;
    std::unique_ptr<Puzzle> m_puzzle;
};
