#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

// The surface's parameter object for inserting a table: the counts as text,
// attribute lists in HTML syntax for the table and for each cell, a caption.
struct InsertTableParam
{
    QVariant NumRows;
    QVariant NumCols;
    QVariant TableAttrs;
    QString CellAttrs;
    QString Caption;

    // The form the surface's insert-table command takes.
    QVariantMap toVariant() const
    {
        return {{QStringLiteral("NumRows"), NumRows.toString()},
                {QStringLiteral("NumCols"), NumCols.toString()},
                {QStringLiteral("TableAttrs"), TableAttrs.toString()},
                {QStringLiteral("CellAttrs"), CellAttrs},
                {QStringLiteral("Caption"), Caption}};
    }
};
