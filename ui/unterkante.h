#pragma once

class QLabel;

// Sizes a word-wrapped label to its text, keeping its width, and moves it so
// that its bottom edge lies at unterkante: the text grows upwards.
void anUnterkanteAusrichten(QLabel &label, int unterkante);
