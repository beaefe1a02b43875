#pragma once

class QWidget;

// Qt 6.4 publishes neither object names nor a name for controls without visible text over
// AT-SPI. Every named control below root gets its object name as accessible description,
// and every control a label is the buddy of gets the label's text as accessible name.
void publishAccessibility(QWidget* root);
