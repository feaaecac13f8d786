#include "model/ModelOpening.h"

#include "dialogs/cCommonDialog.h"
#include "model/ApplyScheme.h"
#include "model/ColorSetFiles.h"
#include "model/ProgramState.h"
#include "model/core/ColorSets.h"
#include "model/core/Manifest.h"
#include "model/core/ModelState.h"
#include "model/core/PathNames.h"

#include "platform/BusyPointer.h"
#include "platform/MessageBox.h"
#include "view/RKV3CanvasCtl.h"

#include <QCoreApplication>

#include <optional>

namespace mdlRKVUtilities {

namespace {

bool chooseManifest(RKV3CanvasCtl& canvas, QString& path)
{
    const std::optional<QString> chosen =
        cCommonDialog().ChooseFile(cCommonDialog::FileChoice::Open, QCoreApplication::translate("mdlRKVUtilities", "Open Model"),
                                   QCoreApplication::translate("mdlRKVUtilities", "RKV3 Model(*.RKV3)|*.RKV3"), LastModelPath, canvas.window());
    if (!chosen) return false;
    path = *chosen;
    return true;
}

bool manifestFailed()
{
    Platform::MessageBox::show(QCoreApplication::translate("mdlRKVUtilities", "Model load failed due to invalid RKV3 manifest file."));
    return false;
}

}  // namespace

bool OpenModel(RKV3CanvasCtl& canvas, QString& path, const std::function<void()>& opened)
{
    if (path.isEmpty() && !chooseManifest(canvas, path)) return false;
    if (!OpenModelAt(canvas, path)) return false;
    if (opened) opened();
    LoadPage(canvas, PagePath(1));
    LastModelPath = FolderOf(path);
    return true;
}

bool OpenModelAt(RKV3CanvasCtl& canvas, const QString& path)
{
    if (!FileExists(path)) return false;

    ModelState opened = Model;
    opened.ModelFolder = FolderOf(path);
    opened.ModelFileName = FileNameOf(path);
    if (!ReadManifest(path, opened)) return manifestFailed();

    const auto previousColors = SchemeColors;
    const auto previousNames = SchemeNames;
    const QString schemePath = SchemePath(opened);
    if (FileExists(schemePath))
        LoadScheme(schemePath);  // reports its own faults; opening goes on
    else
        BuildDefaultGrayScheme();
    if (!ApplyScheme(canvas)) {
        SchemeColors = previousColors;
        SchemeNames = previousNames;
        ApplyScheme(canvas);  // give the canvas back the colours it had
        return manifestFailed();
    }

    opened.CurrentPage = 1;
    Model = opened;
    return true;
}

bool LoadPage(RKV3CanvasCtl& canvas, const QString& path)
{
    if (!FileExists(path)) return false;
    std::optional<Platform::BusyPointer> busy(std::in_place);
    Platform::letPendingEventsRun();

    canvas.LoadRKVImage(path);
    // An image the canvas could not read has had its message; the page the
    // canvas still holds is the one before, so this page was not loaded.
    const bool loaded = !canvas.PageLoadFailed();
    if (!canvas.RenderRKVPage()) {
        busy.reset();
        Platform::MessageBox::show(QCoreApplication::translate("mdlRKVUtilities", "Page load failed due to invalid RKO file structure."));
        return false;
    }
    canvas.setZoom(CurrentZoom);
    return loaded;
}

}  // namespace mdlRKVUtilities
