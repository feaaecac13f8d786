#pragma once

#include "coloreditor/MaterialPreview.h"

#include <QDialog>
#include <memory>

class cCommonDialog;
class ColorEditTarget;
class ColorSwatch;
class PictureBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// The colour editor: a modal dialog in which the user edits one palette
// colour (its value, name and blend offset), sees it on a material sample,
// and keeps single colours in .RKL files. On OK it writes the result into the
// palette swatch it was opened for, through a ColorEditTarget.
//
// Caller protocol: clear EditCancelled and set EditColor to the swatch's
// colour; create the dialog (its load steps run); set TargetIndex, the
// offset box and slider to the swatch's offset, the name box to its name and
// ColorModified to False (Fill does these); show it modally; afterwards read
// EditCancelled and the swatch. Prepare does all of this but the showing.
class dlgColor : public QDialog {
    Q_OBJECT

public:
    // The load steps run here, with the colour in EditColor.
    explicit dlgColor(ColorEditTarget* target, QWidget* parent = nullptr);
    ~dlgColor() override;

    // The caller protocol up to showing: EditCancelled = False, EditColor =
    // colorValue, load, then Fill. The caller shows the result modally (exec).
    static std::unique_ptr<dlgColor> Prepare(ColorEditTarget* target, QWidget* parent, qint16 index,
                                             qint32 colorValue, qint32 offset, const QString& name);

    // Step 3 of the caller protocol: TargetIndex, the offset box, the slider
    // and the name box from the swatch; ColorModified = False.
    void Fill(qint16 index, qint32 offset, const QString& name);

    // Index of the palette swatch being edited.
    qint16 TargetIndex = 0;
    // The colour, name or offset changed since the dialog was filled or the
    // colour was saved or loaded.
    bool ColorModified = false;

    // The preview state: which sample is shown and the table it is coloured
    // with.
    const MaterialPreview& Preview() const { return preview_; }
    // The common-dialog object (null once the dialog has unloaded).
    cCommonDialog* CommonDialog() const { return commonDialog_.get(); }

    void reject() override;

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();

    void Form_Load();
    void Form_Unload();
    void picCurrentColor_Click();
    void sldBlendOffset_Scroll();
    void sldBlendOffset_Change();
    void sldBlendOffset_ValueChanged();
    // The replacement rule of the offset box; `finished` when the text was
    // set from code or the user's typing is finished, otherwise only an
    // in-range number is taken.
    void txtBlendOffset_Change(bool finished);
    void txtBlendOffset_Finished();
    void txtColorName_Change();
    void cmdPrevMaterial_Click();
    void cmdNextMaterial_Click();
    void cmdSaveNew_Click();
    void cmdLoadColor_Click();
    void CmdOK_Click();
    void CmdCancel_Click();

    // Asks "Color has been modified. Save changes?" when the colour is
    // modified and the user wants to be asked; Yes saves.
    void askToSaveChanges();
    // Applies what a colour file holds, as far as it is valid; false when
    // it is not a whole valid colour file.
    bool LoadColorFile(const QString& path);

    void BuildPreviewTable();
    void RenderMaterialPreview();
    cCommonDialog& commonDialog();

    ColorEditTarget* target_;
    MaterialPreview preview_;
    std::unique_ptr<cCommonDialog> commonDialog_;
    // The colour's blend offset: the slider's value, or the offset the dialog
    // was filled with while the user has not changed it (files allow offsets
    // beyond the slider's range).
    qint32 offset_ = -127;
    // Set while the offset box moves the slider: the box keeps the text as
    // typed and the slider only re-renders the preview.
    bool offsetFromText_ = false;

    QGroupBox* fraCurrentColor = nullptr;
    ColorSwatch* picCurrentColor = nullptr;
    QLineEdit* txtColorName = nullptr;
    QGroupBox* fraBlendOffset = nullptr;
    QSlider* sldBlendOffset = nullptr;
    int offsetAtPress_ = 0;  // the slider's value when its handle was pressed
    QLabel* lblDarker = nullptr;
    QLabel* lblLighter = nullptr;
    QLineEdit* txtBlendOffset = nullptr;
    QGroupBox* fraShaderPreview = nullptr;
    PictureBox* picShaderPreview = nullptr;
    QPushButton* cmdPrevMaterial = nullptr;
    QPushButton* cmdNextMaterial = nullptr;
    QPushButton* cmdSaveNew = nullptr;
    QPushButton* cmdLoadColor = nullptr;
    QPushButton* CmdOK = nullptr;
    QPushButton* CmdCancel = nullptr;
};
