#ifndef QUILLON_APP_DISPLAYSCALE_H
#define QUILLON_APP_DISPLAYSCALE_H

class QWidget;

// The form is drawn for a display at 100 % (96 dots per inch). It scales as a whole with the
// display: through Qt's own scaling where the platform tells Qt the scale (Windows' display
// setting; X11's Xft.dpi, or else the X screen's size; Wayland's output scale), and by itself
// where Qt is kept from scaling while fonts still follow the display's DPI.

// Must run before the QApplication is created.
void enableDisplayScaling();

// Scales the positions and sizes of the window's form by the DPI that Qt's scaling has left, in
// steps of a quarter; at 100 % nothing changes.
void scaleFormToDisplay(QWidget *window);

#endif
