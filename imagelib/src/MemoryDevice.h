#pragma once

#include <QIODevice>
#include <cstdint>

#include "Progress.h"

namespace imagelib {

// A read-only device over bytes in memory that reports how far a decoder has
// read as progress, and notes when the decoder asked for bytes beyond the end
// (the picture was cut short).
class MemoryDevice : public QIODevice {
    Q_OBJECT

  public:
    MemoryDevice(const std::uint8_t* data, std::size_t size, Progress* progress);

    bool isSequential() const override { return false; }
    qint64 size() const override { return static_cast<qint64>(size_); }
    bool readPastEnd() const { return readPastEnd_; }

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    Progress* progress_;
    bool readPastEnd_ = false;
};

}  // namespace imagelib
