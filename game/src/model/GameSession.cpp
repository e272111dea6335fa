#include "model/GameSession.h"

#include "model/SnapTest.h"

GameSession::GameSession(Hooks hooks)
    : score(hooks.sound),
      m_hooks(std::move(hooks)),
      m_picture(std::make_unique<platform::Surface>()) {}

void GameSession::SetPicture(platform::Surface picture) {
    Clear();
    *m_picture = std::move(picture);
}

Puzzle& GameSession::Cut(const PuzzleBuilder::Request& request, const PuzzleBuilder::Hooks& hooks,
                         platform::Surface* window) {
    Clear();
    m_puzzle = PuzzleBuilder::Build(*m_picture, request, hooks, window);
    level.Apply(level.level(), level.values(), m_puzzle->store.get());
    score.Reset();
    clock.Start();
    return *m_puzzle;
}

Puzzle& GameSession::Adopt(std::unique_ptr<Puzzle> puzzle) {
    Clear();
    m_puzzle = std::move(puzzle);
    level.Apply(level.level(), level.values(), m_puzzle->store.get());
    return *m_puzzle;
}

void GameSession::Clear() {
    assembly.Stop();
    clock.Resume();
    m_puzzle.reset();
}

void GameSession::ApplyLevel(int newLevel, const SnapValues& values, bool bonusOnExact) {
    level.Apply(newLevel, values, store());
    score.SetLevel(values.bonusPerJoin, values.scoreFactor, bonusOnExact);
}

int GameSession::Drop(sprites::Sprite* group, platform::Surface* window, int clientWidth,
                      int clientHeight) {
    if (!m_puzzle || level.isExpert()) {
        return 0;
    }
    SnapTest snap(*m_puzzle->store, window, clientWidth, clientHeight);
    int joins = 0;
    for (int distance = snap.Run(group); distance >= 0; distance = snap.Run(group)) {
        m_puzzle->store->redrawSprite(window, group, true);
        score.ScoreJoin(distance);
        ++joins;
    }
    return joins;
}

bool GameSession::ExpertFit(sprites::Sprite* group, platform::Surface* window, int clientWidth,
                            int clientHeight) {
    if (!m_puzzle) {
        return false;
    }
    SnapTest snap(*m_puzzle->store, window, clientWidth, clientHeight);
    const int distance = snap.Run(group);
    if (distance >= 0) {
        score.ScoreJoin(distance);
        return true;
    }
    score.ExpertMiss(m_puzzle->pieceCount, m_puzzle->groups(), clock.Elapsed());
    return false;
}

Assist GameSession::MakeAssist(platform::Surface* window) const {
    return Assist(*m_puzzle->store, window, {m_hooks.sound, m_hooks.beep, m_hooks.lockedPrompt});
}

bool GameSession::AssistGroup(sprites::Sprite* group, platform::Surface* window, bool* repaintAll) {
    if (!m_puzzle) {
        return false;
    }
    score.CountAssist();
    Assist assist = MakeAssist(window);
    return assist.Run(group, false, repaintAll) != nullptr;
}

AutoAssembly::StartResult GameSession::StartAssembly(platform::Surface* window, int visibleX,
                                                     int visibleY) {
    if (!m_puzzle) {
        return AutoAssembly::StartResult::NoOriginPiece;
    }
    return assembly.Start(*m_puzzle->store, window, visibleX, visibleY);
}

bool GameSession::AssemblyStep(platform::Surface* window) {
    if (!m_puzzle || !assembly.Running()) {
        return false;
    }
    score.CountAssist();
    Assist assist = MakeAssist(window);
    return assembly.Step(assist);
}

int GameSession::TableWidth() const {
    return store() != nullptr ? store()->workspaceWidth() : 2 * m_picture->width();
}

int GameSession::TableHeight() const {
    return store() != nullptr ? store()->workspaceHeight() : 2 * m_picture->height();
}
