#pragma once

#include <QObject>

class QWidget;

// Keeps every window of the program inside its screen's available area as it
// is shown, whatever the scale factor: a window larger than the area is made
// smaller, one placed off it is moved onto it.
class ScreenFit : public QObject
{
    Q_OBJECT
public:
    // Watches every window of the application from now on.
    static void install();

    // The window's frame within the available area of its screen.
    static void fit(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
