// Keeps a name field to what the leaders table can hold: the characters it cannot
// store never enter the field, however they come (typed, pasted, dropped, composed),
// and the window is told which were refused, so that it can say why.
#pragma once

#include <QValidator>

#include <functional>

class NameValidator : public QValidator {
public:
    // `refused` gets the characters an edit lost; it is not called for an edit kept whole.
    NameValidator(std::function<void(const QString& characters)> refused, QObject* parent);
    State validate(QString& input, int& position) const override;

private:
    std::function<void(const QString&)> refused_;
};
