#pragma once

class CommonDialog;
class DhtmlEdit;
class MainOperations;
class QWidget;
class TextBuffer;
struct AppContext;

// What the main window hands each dialog it opens: itself as the owner, its
// public operations, the application context and the parts it shares.
struct DialogOwner
{
    QWidget *window;
    MainOperations &main;
    AppContext &app;
    DhtmlEdit *surface;
    // CommonDialog1: its file name is kept between all its uses.
    CommonDialog *commonDialog;
    // RichTextBox2, the main window's working buffer.
    TextBuffer *workBuffer;
};
