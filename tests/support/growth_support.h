#pragma once
// Whether a step's time grows with its input as a single pass does: about 8 times as long on an input 8
// times as big. A step that reads again what it has read takes about 64 times as long.
#include <QMetaType>
#include <QString>
#include <functional>

namespace tamsel::test {

// The input of a check at size n: n repetitions of what stresses the step.
using InputOfSize = QString (*)(int n);
// The step on one input, ready to be timed: what it needs beforehand (a token stream, say) is made first.
using StepOn = std::function<std::function<void()>(const QString& input)>;

// Times the step on the inputs of size n and 8 n, n grown until one run takes 15 ms (or the input is a few
// million characters), and compares the best times of several rounds. Empty when the time grows less than
// 24-fold, well clear of both 8 and 64; otherwise what was measured.
QString growth_beyond_linear(InputOfSize input, const StepOn& step_on);

}  // namespace tamsel::test

Q_DECLARE_METATYPE(tamsel::test::InputOfSize)
