#pragma once

#include "TForm.h"
#include "ZYNThemes.h"

class TzynForm;
class TzynImagePanel;

// The gallery's About box: a small skinned window (About.layout) in the gallery's present
// style that names the program and the skin library's version; OK or Escape closes it.
class GalleryAboutForm : public TForm {
    Q_OBJECT
public:
    explicit GalleryAboutForm(QWidget *parent = nullptr);

    TzynForm *Frame() const { return m_frame; }
    // The line that gives the library's version.
    QString VersionText() const;
    // Shows the box in the gallery's style; Custom gives it the gallery's own skin.
    void ShowInStyle(TzynUIStyle style);

public Q_SLOTS:
    void OkClick(QObject *Sender);

protected:
    void Loaded() override;

private:
    TzynForm *m_frame = nullptr;
    TzynImagePanel *m_version = nullptr;
};
