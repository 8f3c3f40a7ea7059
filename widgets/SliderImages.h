// The slider's built-in pictures, by their resource names "SLD_HTB", "SLD_HRL",
// "SLD_VTB" and "SLD_VRL", and its hand cursor "HAND_CURSOR".
#pragma once

#include <QCursor>
#include <QImage>

// A null image for an unknown name.
QImage LoadSliderResource(const char* name);
const QCursor& SliderHandCursor();
