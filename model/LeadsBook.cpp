#include "model/LeadsBook.h"

#include <QCoreApplication>

LeadsTable LeadsBook::Table() const {
    LeadsTable table = file_;
    for (const auto& [name, points] : unsaved_) RankLead(table, name, points);
    return table;
}

QString LeadsBook::Tell(const LeadsError& error) {
    const QString text = QString::fromStdString(error.what());
    if (text == told_) return {};
    told_ = text;
    return text;
}

QString LeadsBook::Load() {
    try {
        LoadLeads(file_, path_);
    } catch (const LeadsError& error) {
        return Tell(error);
    }
    told_.clear();
    return {};
}

QString LeadsBook::Insert(const QString& name, int32_t points, const std::function<void()>& whileWaiting) {
    auto pending = unsaved_;
    pending.emplace_back(name, points);
    try {
        UpdateLeads(file_, [&pending](LeadsTable& table) {
            bool changed = false;
            for (const auto& [pendingName, pendingPoints] : pending) changed |= RankLead(table, pendingName, pendingPoints);
            return changed;
        }, path_, whileWaiting);
    } catch (const LeadsError& error) {
        unsaved_ = std::move(pending);
        told_ = QString::fromStdString(error.what());
        return QCoreApplication::translate("LeadsBook", "Your result could not be saved; it is kept until Quorvix closes.\n\n") + told_;
    }
    unsaved_.clear();
    told_.clear();
    return {};
}

QString LeadsBook::Clear() {
    try {
        ClearLeads(file_, path_);
    } catch (const LeadsError& error) {
        return Tell(error);
    }
    unsaved_.clear();
    told_.clear();
    return {};
}
