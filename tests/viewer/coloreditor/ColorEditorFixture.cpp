#include "ColorEditorFixture.h"

#include "coloreditor/ColorSwatch.h"
#include "coloreditor/PictureBox.h"

qint32 ColorEditorTest::swatchColor() const
{
    return child<ColorSwatch>("picCurrentColor")->BackColor();
}

QImage ColorEditorTest::preview() const
{
    return child<PictureBox>("picShaderPreview")->picture();
}
