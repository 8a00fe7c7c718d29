#pragma once

struct AppContext;
class DhtmlEdit;

// creat_hyou: the table of the shared variables goes in at the caret through
// the surface's insert-table command.
class TableCreation
{
public:
    // False when nothing was inserted; a refusal of the surface is told to the user.
    static bool insert(AppContext &app, DhtmlEdit *surface);
};
