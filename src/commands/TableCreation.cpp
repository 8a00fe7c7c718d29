#include "TableCreation.h"

#include "platform/DhtmlEdit.h"
#include "platform/InsertTableParam.h"
#include "platform/MessageBoxes.h"
#include "shell/Module1.h"

bool TableCreation::insert(DhtmlEdit *surface)
{
    const Module1 &shared = Module1::shared();
    if (shared.TableRows.toString().isEmpty() || shared.TableCols.toString().isEmpty())
        return false;
    InsertTableParam param;
    param.NumRows = shared.TableRows;
    param.NumCols = shared.TableCols;
    param.TableAttrs = shared.TableAttrs;
    param.CellAttrs = shared.TableCellAttrs;
    param.Caption = shared.TableCaption;
    if (!surface->ExecCommand(DECMD_INSERTTABLE, OLECMDEXECOPT_DODEFAULT, param.toVariant())) {
        MessageBoxes::say(QStringLiteral("表を挿入できませんでした: %1").arg(surface->lastError()));
        return false;
    }
    return true;
}
