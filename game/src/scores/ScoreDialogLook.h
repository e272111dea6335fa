#pragma once

#include <QString>

#include <functional>

class QLabel;
class QPushButton;
class QWidget;

// What the results and table dialogs share: the big bold title, numbered
// buttons and the program's help in the "Screens" window.
namespace scorelook {

// The title text: bold sans-serif, 28 pixels high.
QLabel* addTitle(QWidget* dialog, int id, const QString& text, int x, int y, int width);
QPushButton* addButton(QWidget* dialog, int id, const QString& text, int x, int y);
// The help file at 0x20000 + number, in the "Screens" window.
std::function<void(unsigned)> platformHelp(QWidget* owner);
unsigned helpContext(unsigned number);

}  // namespace scorelook
