#pragma once

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace piclib {

class PictControl;

// The window classes known by name, in registration order. Each factory
// makes a widget that is also a PictControl.
class ControlRegistry {
  public:
    using Factory = std::function<QWidget*(QWidget* parent)>;

    static ControlRegistry& instance();

    // Adds a class unless one of that name (without regard to case) exists;
    // true when it was added.
    bool add(const QString& className, Factory factory);
    // The factory of a class, or null.
    const Factory* find(const QString& className) const;
    std::vector<QString> names() const;

  private:
    struct Entry {
        QString name;
        Factory factory;
    };
    std::vector<Entry> entries_;
};

}  // namespace piclib
