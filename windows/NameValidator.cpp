#include "windows/NameValidator.h"

#include <algorithm>

#include "model/LeadsTable.h"

NameValidator::NameValidator(std::function<void(const QString& characters)> refused, QObject* parent)
    : QValidator(parent), refused_(std::move(refused)) {}

QValidator::State NameValidator::validate(QString& input, int& position) const {
    QString refused;
    const QString kept = StorableName(input, &refused);
    if (!refused.isEmpty()) refused_(refused);
    // The cursor stays after what was typed, less what was taken out before it.
    position = std::min(StorableName(input.left(position)).size(), kept.size());
    input = kept;
    return Acceptable;
}
