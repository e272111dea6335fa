#pragma once

#include <QFileDialog>
#include <string>

class QCheckBox;

namespace piclib {

class AniDspWnd;

// The file-open dialog with a preview: beside the file list, the preview
// window (a click loads the picture when the automatic preview is off), the
// description line, "Info Picture", "Info Artist", the automatic-preview box
// and Help. Remembers AutoPreview and LastSelectedFile in Gallery.ini when it
// closes either way.
class PreviewFileDialog : public QFileDialog {
    Q_OBJECT
  public:
    PreviewFileDialog(QWidget* owner, const QString& title, bool multiple, std::string helpFile,
                      unsigned helpContext);
    ~PreviewFileDialog() override;

    // Opens in directory and selects the file selected there last.
    void start(const QString& directory);
    void done(int result) override;

  protected:
    bool event(QEvent* event) override;

  private:
    void buildPanel();
    void selectionChanged(const QString& path);
    void showPreview();
    void showText(const QString& text);
    void drawLoading();
    void freePreview();

    char language_;
    std::string helpFile_;
    unsigned helpContext_;
    QString current_;
    AniDspWnd* preview_ = nullptr;
    QWidget* description_ = nullptr;
    QWidget* infoPicture_ = nullptr;
    QWidget* infoArtist_ = nullptr;
    QCheckBox* automatic_ = nullptr;
    int previewSlot_ = -1;
};

}  // namespace piclib
