#pragma once

#include <QStringList>
#include <QWidget>

#include <cstdint>

namespace controls {

// The window class "NAMESLIST": one column of texts, each row a sunken
// light-yellow box; the highlighted row is olive with white text. The
// high-score table shows its columns with it.
class NamesList : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* kClassName = "NAMESLIST";
    static constexpr unsigned kSetNames = 0x401;      // wParam alignment, lParam const QStringList*
    static constexpr unsigned kSetHighlight = 0x402;  // wParam row, -1 none
    static constexpr int kAlignRight = 2;

    NamesList(int id, QWidget* parent = nullptr);

    // Keeps a copy of the names and repaints. A null list is refused with a
    // message box and changes nothing.
    void setNames(int alignment, const QStringList* names);
    void setHighlight(int row);
    int highlight() const { return highlight_; }
    int alignment() const { return alignment_; }
    bool hasNames() const { return hasNames_; }
    const QStringList& names() const { return names_; }
    // Client height divided among the rows; 0 without rows.
    int rowHeight() const;

    std::intptr_t sendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QStringList names_;
    bool hasNames_ = false;
    int alignment_ = 0;
    int highlight_ = -1;
};

}  // namespace controls
