#include "TableCreation.h"

#include "platform/AppContext.h"
#include "platform/DhtmlEdit.h"
#include "platform/InsertTableParam.h"
#include "platform/MessageBoxes.h"
#include "platform/Module1.h"

bool TableCreation::insert(AppContext &app, DhtmlEdit *surface)
{
    const Module1 &shared = app.shared;
    if (shared.TableRows.toString().isEmpty() || shared.TableCols.toString().isEmpty())
        return false;
    InsertTableParam param;
    param.NumRows = shared.TableRows;
    param.NumCols = shared.TableCols;
    param.TableAttrs = shared.TableAttrs;
    param.CellAttrs = shared.TableCellAttrs;
    param.Caption = shared.TableCaption;
    if (!surface->ExecCommand(DECMD_INSERTTABLE, OLECMDEXECOPT_DODEFAULT, param.toVariant())) {
        app.boxes.say(QStringLiteral("表を挿入できませんでした: %1").arg(surface->lastError()));
        return false;
    }
    return true;
}
