#pragma once

// How the window's captions look: their font sizes, the focus emphasis, and
// the count message that grows upwards.
class QLabel;
class QWidget;

// Designer keeps font sizes in whole points; the form's 8 and 10 stand for
// 8.25 and 9.75 pt (11 and 13 px at 96 dpi). Call once after setupUi.
void schriftgroessenSetzen(QWidget &wurzel);

// A fixed label keeps its place and width, but grows downwards when its text
// needs more lines in the face actually used than in Verdana, for which the
// form is made: nothing is cut off where a stand-in face is wider.
void ganzZeigen(QLabel &label);

// The focus emphasis: a caption turns bold and back.
void fett(QWidget &widget, bool an);

// Sizes a word-wrapped label to its text, keeping its width, and moves it so
// that its bottom edge lies at unterkante: the text grows upwards.
void anUnterkanteAusrichten(QLabel &label, int unterkante);
