#pragma once

class QWidget;

// Designer keeps font sizes in whole points; the form's 8 and 10 stand for the
// design's 8.25 and 9.75 pt (11 and 13 px at 96 dpi). Call once after setupUi.
void schriftgroessenSetzen(QWidget &wurzel);

// The focus emphasis: a caption turns bold and back.
void fett(QWidget &widget, bool an);
