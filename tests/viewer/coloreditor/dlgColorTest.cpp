// The colour editor dialog driven through its real widgets.
#include "ColorEditorFixture.h"

#include "coloreditor/ColorSwatch.h"
#include "coloreditor/MaterialSamples.h"
#include "coloreditor/PictureBox.h"
#include "dialogs/cCommonDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>

namespace {

// The preview expected for a colour and offset on sample m.
QImage expectedPreview(int m, qint32 colorValue, qint16 offset)
{
    MaterialPreview p;
    p.Load();
    p.MaterialIndex = m;
    p.BuildPreviewTable(colorValue, offset);
    return p.RenderMaterialPreview(QSize(136, 136));
}

}  // namespace

TEST_F(ColorEditorTest, LoadShowsTheCallersColorAndTheDesignValues)
{
    open(rgbValue(200, 40, 30), -100, QStringLiteral("Brick"), 7);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Color Editor"));
    EXPECT_EQ(dialog->TargetIndex, 7);
    EXPECT_FALSE(dialog->ColorModified);
    EXPECT_FALSE(mdlRKVUtilities::EditCancelled);
    EXPECT_EQ(mdlRKVUtilities::EditColor, rgbValue(200, 40, 30));
    EXPECT_EQ(swatchColor(), rgbValue(200, 40, 30));
    EXPECT_EQ(dialog->CommonDialog()->CustomColor(0), rgbValue(200, 40, 30));
    EXPECT_EQ(offsetBox()->text(), QStringLiteral("-100"));
    EXPECT_EQ(slider()->value(), -100);
    EXPECT_EQ(slider()->minimum(), -255);
    EXPECT_EQ(slider()->maximum(), 0);
    EXPECT_EQ(slider()->orientation(), Qt::Horizontal);
    EXPECT_EQ(nameBox()->text(), QStringLiteral("Brick"));

    EXPECT_EQ(child<QGroupBox>("fraCurrentColor")->title(), QStringLiteral("Current Color (Click swatch to change)"));
    EXPECT_EQ(child<QGroupBox>("fraBlendOffset")->title(), QStringLiteral("Blend Offset"));
    EXPECT_EQ(child<QGroupBox>("fraShaderPreview")->title(), QStringLiteral("Render Preview (Paint)"));
    EXPECT_EQ(child<QLabel>("lblDarker")->text(), QStringLiteral("Darker"));
    EXPECT_EQ(child<QLabel>("lblLighter")->text(), QStringLiteral("Lighter"));
    EXPECT_EQ(child<QPushButton>("cmdSaveNew")->text(), QStringLiteral("&Save Color"));
    EXPECT_EQ(child<QPushButton>("cmdLoadColor")->text(), QStringLiteral("&Load Color"));
    EXPECT_EQ(child<QPushButton>("CmdOK")->text(), QStringLiteral("&OK"));
    EXPECT_EQ(child<QPushButton>("CmdCancel")->text(), QStringLiteral("&Cancel"));
    // Every button has an access key of its own, and Alt with it presses it.
    QString keys;
    for (const QPushButton* button : dialog->findChildren<QPushButton*>())
        keys += button->text().section(QLatin1Char('&'), 1).left(1).toLower();
    EXPECT_EQ(keys.size(), 6);
    for (const QChar key : keys) EXPECT_EQ(keys.count(key), 1) << keys.toStdString();
    EXPECT_NE(child<QPushButton>("cmdPrevMaterial"), nullptr);
    EXPECT_NE(child<QPushButton>("cmdNextMaterial"), nullptr);
    EXPECT_EQ(child<PictureBox>("picShaderPreview")->size(), QSize(136, 136));

    // The preview shows the caller's colour at the caller's offset.
    EXPECT_EQ(dialog->Preview().MaterialIndex, 0);
    EXPECT_EQ(dialog->Preview().MaterialCount, 4);
    EXPECT_EQ(preview(), expectedPreview(0, rgbValue(200, 40, 30), -100));
    EXPECT_EQ(boxes.count(), 0);
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QTest::keyClick(dialog.get(), Qt::Key_Greater, Qt::AltModifier);
    QTest::qWait(200);  // the button's animated click
    EXPECT_EQ(dialog->Preview().MaterialIndex, 1);
}

TEST_F(ColorEditorTest, FreshDialogHoldsTheDesignValues)
{
    mdlRKVUtilities::EditColor = rgbValue(1, 2, 3);
    dlgColor fresh(&target);
    EXPECT_EQ(fresh.findChild<QLineEdit*>(QStringLiteral("txtColorName"))->text(), QStringLiteral("(Color Name)"));
    EXPECT_EQ(fresh.findChild<QLineEdit*>(QStringLiteral("txtBlendOffset"))->text(), QStringLiteral("-127"));
    EXPECT_EQ(fresh.findChild<QSlider*>(QStringLiteral("sldBlendOffset"))->value(), -127);
    EXPECT_EQ(fresh.findChild<ColorSwatch*>(QStringLiteral("picCurrentColor"))->BackColor(), rgbValue(1, 2, 3));
    EXPECT_FALSE(fresh.ColorModified);
}

TEST_F(ColorEditorTest, MaterialButtonsWrapAndNameTheSample)
{
    open(rgbValue(10, 120, 200), -90);
    auto* frame = child<QGroupBox>("fraShaderPreview");
    click("cmdPrevMaterial");
    EXPECT_EQ(dialog->Preview().MaterialIndex, 3);
    EXPECT_EQ(frame->title(), QStringLiteral("Render Preview (Metallic)"));
    EXPECT_EQ(preview(), expectedPreview(3, rgbValue(10, 120, 200), -90));
    click("cmdNextMaterial");
    EXPECT_EQ(dialog->Preview().MaterialIndex, 0);
    EXPECT_EQ(frame->title(), QStringLiteral("Render Preview (Paint)"));
    click("cmdNextMaterial");
    click("cmdNextMaterial");
    EXPECT_EQ(frame->title(), QStringLiteral("Render Preview (Rubber)"));
    EXPECT_EQ(preview(), expectedPreview(2, rgbValue(10, 120, 200), -90));
    // Stepping through samples is not an edit.
    EXPECT_FALSE(dialog->ColorModified);
}

TEST_F(ColorEditorTest, SwatchClickRunsTheColorChooser)
{
    open(rgbValue(50, 60, 70));
    colors.queueColor(rgbValue(200, 100, 50));
    QTest::mouseClick(child<ColorSwatch>("picCurrentColor"), Qt::LeftButton);
    ASSERT_EQ(colors.count(), 1);
    const auto& request = colors.calls()[0].request;
    EXPECT_EQ(request.initialColor, rgbValue(50, 60, 70));
    EXPECT_EQ(request.flags, 0x100u | 0x1u | 0x2u);  // any colour, initial colour, full open
    EXPECT_EQ(request.owner, dialog.get());
    EXPECT_EQ(colors.calls()[0].customColors[0], rgbValue(50, 60, 70));

    EXPECT_EQ(swatchColor(), rgbValue(200, 100, 50));
    EXPECT_EQ(dialog->CommonDialog()->CustomColor(0), rgbValue(200, 100, 50));
    EXPECT_TRUE(dialog->ColorModified);
    EXPECT_EQ(preview(), expectedPreview(0, rgbValue(200, 100, 50), -127));

    // The custom colours survive between choosers within one opening; the
    // space bar on the swatch opens the chooser too.
    colors.queueCancel();
    child<ColorSwatch>("picCurrentColor")->setFocus();
    QTest::keyClick(child<ColorSwatch>("picCurrentColor"), Qt::Key_Space);
    ASSERT_EQ(colors.count(), 2);
    EXPECT_EQ(colors.calls()[1].customColors[0], rgbValue(200, 100, 50));
}

TEST_F(ColorEditorTest, CancelledColorChooserChangesNothing)
{
    open(rgbValue(50, 60, 70));
    const QImage before = preview();
    colors.queueCancel();
    QTest::mouseClick(child<ColorSwatch>("picCurrentColor"), Qt::LeftButton);
    EXPECT_EQ(colors.count(), 1);
    EXPECT_EQ(swatchColor(), rgbValue(50, 60, 70));
    EXPECT_FALSE(dialog->ColorModified);
    EXPECT_EQ(preview(), before);
}

TEST_F(ColorEditorTest, SliderDragUpdatesTheTextAndReleaseThePreview)
{
    open(rgbValue(100, 100, 100), -127);
    const QImage before = preview();
    slider()->setSliderDown(true);
    slider()->setValue(-40);
    EXPECT_EQ(offsetBox()->text(), QStringLiteral("-40"));
    EXPECT_TRUE(dialog->ColorModified);
    EXPECT_EQ(preview(), before);  // not re-rendered while dragging
    slider()->setSliderDown(false);  // release
    EXPECT_EQ(preview(), expectedPreview(0, rgbValue(100, 100, 100), -40));

    // A key on the slider is a completed change too.
    dialog->ColorModified = false;
    slider()->setFocus();
    QTest::keyClick(slider(), Qt::Key_Right);
    EXPECT_EQ(slider()->value(), -39);
    EXPECT_EQ(offsetBox()->text(), QStringLiteral("-39"));
    EXPECT_TRUE(dialog->ColorModified);
    EXPECT_EQ(preview(), expectedPreview(0, rgbValue(100, 100, 100), -39));

    // Pressing and releasing the handle without moving it is no change.
    dialog->ColorModified = false;
    slider()->setSliderDown(true);
    slider()->setSliderDown(false);
    EXPECT_FALSE(dialog->ColorModified);
}

TEST_F(ColorEditorTest, OffsetBoxKeepsItsTextWithinTheSlidersRange)
{
    open(rgbValue(100, 100, 100), -127);
    offsetBox()->setText(QStringLiteral("50"));
    EXPECT_EQ(offsetBox()->text(), QStringLiteral("0"));
    EXPECT_EQ(slider()->value(), 0);
    EXPECT_TRUE(dialog->ColorModified);

    offsetBox()->setText(QStringLiteral("-300"));
    EXPECT_EQ(offsetBox()->text(), QStringLiteral("-255"));
    EXPECT_EQ(slider()->value(), -255);

    slider()->setValue(-60);
    for (const char* notNumeric : {"abc", "", "-", "+", " ", "1e", "--5", "5-"}) {
        offsetBox()->setText(QString::fromLatin1(notNumeric));
        EXPECT_EQ(offsetBox()->text(), QStringLiteral("-60")) << notNumeric;
        EXPECT_EQ(slider()->value(), -60) << notNumeric;
    }

    // Halves go to the even neighbour; the text stays as typed.
    offsetBox()->setText(QStringLiteral(" -12.5 "));
    EXPECT_EQ(slider()->value(), -12);
    EXPECT_EQ(offsetBox()->text(), QStringLiteral(" -12.5 "));
    offsetBox()->setText(QStringLiteral("-13.5"));
    EXPECT_EQ(slider()->value(), -14);
    offsetBox()->setText(QStringLiteral("-1.2e2"));
    EXPECT_EQ(slider()->value(), -120);
    offsetBox()->setText(QStringLiteral("-255.4"));
    EXPECT_EQ(offsetBox()->text(), QStringLiteral("-255"));
    // The preview follows the offset typed.
    offsetBox()->setText(QStringLiteral("-30"));
    EXPECT_EQ(preview(), expectedPreview(0, rgbValue(100, 100, 100), -30));
}

TEST_F(ColorEditorTest, TypingIntoTheBoxes)
{
    open(rgbValue(100, 100, 100), -127);
    // Replace the digits after the sign, key by key.
    offsetBox()->setSelection(1, 3);
    QTest::keyClicks(offsetBox(), QStringLiteral("64"));
    EXPECT_EQ(offsetBox()->text(), QStringLiteral("-64"));
    EXPECT_EQ(slider()->value(), -64);
    // Typed from scratch, the rule waits for Enter: a lone sign stays, the
    // digits after it move the slider, and Enter keeps the dialog open.
    offsetBox()->selectAll();
    QTest::keyClick(offsetBox(), Qt::Key_Minus);
    EXPECT_EQ(offsetBox()->text(), QStringLiteral("-"));
    EXPECT_EQ(slider()->value(), -64);
    QTest::keyClicks(offsetBox(), QStringLiteral("90"));
    EXPECT_EQ(slider()->value(), -90);
    QTest::keyClick(offsetBox(), Qt::Key_Return);
    EXPECT_EQ(offsetBox()->text(), QStringLiteral("-90"));
    EXPECT_EQ(target.writes.size(), 0u) << "Enter after typing pressed OK";
    // Finished by Enter or by the focus leaving: -300 becomes -255, a lone
    // sign the slider's value, 50 becomes 0.
    const struct { const char *typed, *shown; Qt::Key finish; } finishes[] = {
        {"-300", "-255", Qt::Key_Enter}, {"-", "-255", Qt::Key_Tab}, {"50", "0", Qt::Key_Tab}};
    for (const auto& row : finishes) {
        offsetBox()->setFocus();
        offsetBox()->selectAll();
        QTest::keyClicks(offsetBox(), QString::fromLatin1(row.typed));
        QFocusEvent focusLost(QEvent::FocusOut, Qt::TabFocusReason);
        if (row.finish == Qt::Key_Tab)
            QCoreApplication::sendEvent(offsetBox(), &focusLost);
        else
            QTest::keyClick(offsetBox(), row.finish);
        EXPECT_EQ(offsetBox()->text(), QString::fromLatin1(row.shown)) << row.typed;
        EXPECT_EQ(slider()->value(), offsetBox()->text().toInt()) << row.typed;
    }

    dialog->ColorModified = false;
    QTest::keyClicks(nameBox(), QStringLiteral("x"));
    EXPECT_TRUE(dialog->ColorModified);
}

TEST_F(ColorEditorTest, OkWithoutChangesAsksNothingAndWritesBack)
{
    open(rgbValue(200, 40, 30), -100, QStringLiteral("Brick"), 5);
    click("CmdOK");
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(files.count(), 0);
    ASSERT_EQ(target.writes.size(), 3);
    for (const auto& w : target.writes) EXPECT_EQ(w.index, 5);
    EXPECT_EQ(target.writes[0].what, QStringLiteral("color"));
    EXPECT_EQ(target.writes[0].value, QString::number(rgbValue(200, 40, 30)));
    EXPECT_EQ(target.writes[1].what, QStringLiteral("tag"));
    EXPECT_EQ(target.writes[1].value, QStringLiteral("-100"));
    EXPECT_EQ(target.writes[2].what, QStringLiteral("name"));
    EXPECT_EQ(target.writes[2].value, QStringLiteral("Brick"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(mdlRKVUtilities::EditCancelled);

    // An offset beyond the slider's range, legal in files, goes back as it
    // came; the slider shows the nearest end, the preview the true offset.
    target.writes.clear();
    open(rgbValue(200, 40, 30), -300);
    EXPECT_EQ(slider()->value(), -255);
    EXPECT_EQ(dialog->Preview().PreviewLevels[200][0], 100);
    click("CmdOK");
    EXPECT_EQ(target.writes.value(1).value, QStringLiteral("-300"));
}

TEST_F(ColorEditorTest, OkAfterChangesAsksAndGoesOnWhateverTheAnswer)
{
    open(rgbValue(200, 40, 30));
    offsetBox()->setText(QStringLiteral("-20"));
    nameBox()->setText(QStringLiteral("Rust"));
    boxes.queueAnswer(Platform::MsgAnswer::Yes);
    files.queueCancel();  // the save is cancelled
    click("CmdOK");
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Color has been modified. Save changes?"));
    EXPECT_EQ(boxes.shown()[0].buttons, Platform::MsgButtons::YesNo);
    EXPECT_EQ(files.count(), 1);
    ASSERT_EQ(target.writes.size(), 3);
    EXPECT_EQ(target.writes[1].value, QStringLiteral("-20"));
    EXPECT_EQ(target.writes[2].value, QStringLiteral("Rust"));
    EXPECT_FALSE(dialog->isVisible());

    // No: nothing is saved, the result is still written back.
    target.writes.clear();
    open(rgbValue(1, 2, 3));
    nameBox()->setText(QStringLiteral("Other"));
    boxes.queueAnswer(Platform::MsgAnswer::No);
    click("CmdOK");
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_EQ(files.count(), 1);
    ASSERT_EQ(target.writes.size(), 3);
    EXPECT_EQ(target.writes[2].value, QStringLiteral("Other"));
}

TEST_F(ColorEditorTest, PromptingOffNeverAsks)
{
    mdlRKVUtilities::PromptSaveOnChanges = false;
    open(rgbValue(200, 40, 30));
    nameBox()->setText(QStringLiteral("Changed"));
    slider()->setValue(-10);
    EXPECT_TRUE(dialog->ColorModified);
    click("CmdOK");
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(files.count(), 0);
    EXPECT_EQ(target.writes.size(), 3);
}

TEST_F(ColorEditorTest, CancelWritesNothingAndAsksNothing)
{
    open(rgbValue(200, 40, 30));
    nameBox()->setText(QStringLiteral("Changed"));
    click("CmdCancel");
    EXPECT_TRUE(mdlRKVUtilities::EditCancelled);
    EXPECT_TRUE(target.writes.isEmpty());
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);

    // Escape leaves the dialog the same way.
    open(rgbValue(200, 40, 30));
    EXPECT_FALSE(mdlRKVUtilities::EditCancelled);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(mdlRKVUtilities::EditCancelled);
    EXPECT_TRUE(target.writes.isEmpty());
}

TEST_F(ColorEditorTest, UnloadResetsTheMaterialAndReleasesTheChooser)
{
    open(rgbValue(200, 40, 30));
    click("cmdNextMaterial");
    nameBox()->setText(QStringLiteral("Changed"));
    mdlRKVUtilities::PromptSaveOnChanges = false;
    click("CmdOK");
    EXPECT_EQ(dialog->Preview().MaterialIndex, 0);
    EXPECT_EQ(dialog->CommonDialog(), nullptr);
    EXPECT_FALSE(dialog->ColorModified);
}
