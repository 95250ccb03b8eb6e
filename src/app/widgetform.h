#ifndef QUILLON_APP_WIDGETFORM_H
#define QUILLON_APP_WIDGETFORM_H

#include "ui_widgetform.h"

// The form's class is named "Widget" so that its texts translate in the "Widget" context.
struct WidgetForm : Ui::Widget
{
};

#endif
