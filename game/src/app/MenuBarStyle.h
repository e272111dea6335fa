#pragma once

#include <QProxyStyle>

// The menu bar's style: the classic look, except that menus after a separator
// in the bar stand at its right end, which is where the Help menu belongs.
class MenuBarStyle : public QProxyStyle {
    Q_OBJECT
  public:
    MenuBarStyle();

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};
