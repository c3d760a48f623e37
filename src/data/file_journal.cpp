#include "data/file_journal.h"

#include "data/file_error.h"
#include "data/safe_file.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>
#include <algorithm>

namespace numbrava {

namespace {
FileJournal* activeJournal = nullptr;

QString keyOf(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

QString nameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

FileContent readContent(const QString& path) {
    if (!QFileInfo::exists(path))
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("The file %1 cannot be read: %2").arg(nameOf(path), file.errorString()));
    return file.readAll();
}

// Every reader takes a missing file for an empty one, and the program creates
// and drops empty files by itself: the two are the same content.
bool same(const FileContent& a, const FileContent& b) {
    return a.value_or(QByteArray()) == b.value_or(QByteArray());
}

void restore(const QString& path, const FileContent& content) {
    if (content) {
        writeFileAtomically(path, *content);
        return;
    }
    QFile file(path);
    if (file.exists() && !file.remove())
        throw FileError(QStringLiteral("The file %1 cannot be deleted: %2")
                            .arg(nameOf(path), file.errorString()));
}

QString linesText(int lines) {
    return QLocale(QLocale::English).toString(lines) +
           (lines == 1 ? QStringLiteral(" line") : QStringLiteral(" lines"));
}
} // namespace

FileJournal::FileJournal(int maxSteps, qint64 maxStepBytes)
    : maxSteps_(maxSteps), maxStepBytes_(maxStepBytes) {}

FileJournal::~FileJournal() {
    if (activeJournal == this)
        activeJournal = nullptr;
}

void FileJournal::activate() {
    activeJournal = this;
}

FileJournal* FileJournal::active() {
    return activeJournal;
}

void FileJournal::beginStep() {
    ++depth_;
}

void FileJournal::endStep() {
    if (depth_ == 0 || --depth_ > 0)
        return;
    Step step = std::move(open_);
    open_ = Step();
    for (FileChange& change : step.files) {
        if (!step.lost.isEmpty())
            break;
        try {
            change.after = readContent(change.path);
        } catch (const FileError&) {
            step.lost = QStringLiteral("a file cannot be read");
        }
        keepBytes(step, change.after);
    }
    if (step.lost.isEmpty())
        std::erase_if(step.files, [](const FileChange& c) { return same(c.before, c.after); });
    if (!step.files.empty())
        record(std::move(step));
}

void FileJournal::noteChange(const QString& path) {
    const QString key = keyOf(path);
    if (depth_ == 0 || housekept_.contains(key))
        return;
    for (const FileChange& change : open_.files)
        if (change.path == key)
            return;
    FileChange change{key, std::nullopt, std::nullopt};
    if (open_.lost.isEmpty()) {
        try {
            change.before = readContent(key);
        } catch (const FileError&) {
            open_.lost = QStringLiteral("a file cannot be read");
        }
    }
    keepBytes(open_, change.before);
    open_.files.push_back(std::move(change));
}

void FileJournal::nameStep(const QString& pattern, int lines) {
    if (depth_ == 0)
        return;
    for (StepName& name : open_.names)
        if (name.pattern == pattern) {
            if (lines >= 0)
                name.lines += lines;
            return;
        }
    open_.names.push_back({pattern, lines});
}

// A step past the size limit keeps which files it changed and its name, not
// their bytes; it stays in the history as one that cannot be undone.
void FileJournal::keepBytes(Step& step, const FileContent& content) {
    step.bytes += content ? content->size() : 0;
    if (!step.lost.isEmpty() || step.bytes <= maxStepBytes_)
        return;
    step.lost = QStringLiteral("larger than ") +
                QLocale(QLocale::English).formattedDataSize(maxStepBytes_, 0);
    for (FileChange& change : step.files)
        change.before = change.after = std::nullopt;
}

void FileJournal::record(Step step) {
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    // Undo goes back in order: nothing under a step that cannot be undone is
    // within reach any more.
    if (!step.lost.isEmpty())
        steps_.clear();
    steps_.push_back(std::move(step));
    while (steps_.size() > static_cast<size_t>(maxSteps_))
        steps_.pop_front();
    done_ = steps_.size();
}

QString FileJournal::Step::name() const {
    QStringList parts;
    for (const StepName& n : names)
        parts << (n.lines < 0 ? n.pattern : n.pattern.arg(linesText(n.lines)));
    if (parts.isEmpty()) {
        QStringList changed;
        for (const FileChange& change : files)
            changed << nameOf(change.path);
        return QStringLiteral("Change of ") + changed.join(QStringLiteral(", "));
    }
    if (parts.size() > 2)
        return parts.front() + QStringLiteral(" and %1 more changes").arg(parts.size() - 1);
    return parts.join(QStringLiteral(", "));
}

bool FileJournal::canUndo() const {
    return !stepOpen() && done_ > 0 && steps_[done_ - 1].lost.isEmpty();
}

bool FileJournal::canRedo() const {
    return !stepOpen() && done_ < steps_.size();
}

QString FileJournal::undoText() const {
    if (done_ == 0)
        return QStringLiteral("Undo");
    const Step& step = steps_[done_ - 1];
    if (!step.lost.isEmpty())
        return QStringLiteral("Cannot Undo %1 (%2)").arg(step.name(), step.lost);
    return QStringLiteral("Undo ") + step.name();
}

QString FileJournal::redoText() const {
    return done_ < steps_.size() ? QStringLiteral("Redo ") + steps_[done_].name()
                                 : QStringLiteral("Redo");
}

void FileJournal::undo() {
    if (!canUndo())
        return;
    apply(steps_[done_ - 1], /*back=*/true);
    --done_;
}

void FileJournal::redo() {
    if (!canRedo())
        return;
    apply(steps_[done_], /*back=*/false);
    ++done_;
}

void FileJournal::apply(const Step& step, bool back) {
    const QString verb = back ? QStringLiteral("Undo") : QStringLiteral("Redo");
    for (const FileChange& change : step.files)
        if (!same(readContent(change.path), back ? change.after : change.before))
            throw FileError(QStringLiteral("The file %1 has been changed since Numbrava wrote "
                                           "it. %2 would overwrite that change, so nothing has "
                                           "been changed.")
                                .arg(nameOf(change.path), verb));
    // Files to write first, files to remove last: a full or read-only disk
    // shows in the writes, before anything is gone.
    std::vector<const FileChange*> order;
    for (const FileChange& change : step.files)
        order.push_back(&change);
    std::stable_partition(order.begin(), order.end(), [back](const FileChange* c) {
        return (back ? c->before : c->after).has_value();
    });
    std::vector<const FileChange*> done;
    try {
        for (const FileChange* change : order) {
            restore(change->path, back ? change->before : change->after);
            done.push_back(change);
        }
    } catch (const FileError& error) {
        // The files already put back return to what they held.
        for (auto it = done.rbegin(); it != done.rend(); ++it) {
            try {
                restore((*it)->path, back ? (*it)->after : (*it)->before);
            } catch (const FileError&) {
            }
        }
        throw FileError(QStringLiteral("%1 could not be completed and has changed nothing. %2")
                            .arg(verb, error.message()));
    }
}

void FileJournal::beginHousekeeping(const QString& path) {
    ++housekept_[keyOf(path)];
}

void FileJournal::endHousekeeping(const QString& path, const std::optional<FileContent>& before) {
    const QString key = keyOf(path);
    if (--housekept_[key] <= 0)
        housekept_.remove(key);
    if (!before)
        return;
    FileContent after;
    try {
        after = readContent(key);
    } catch (const FileError&) {
        return;
    }
    auto substitute = [&](Step& step) {
        for (FileChange& change : step.files)
            if (change.path == key) {
                if (same(change.before, *before))
                    change.before = after;
                if (same(change.after, *before))
                    change.after = after;
            }
    };
    substitute(open_);
    for (Step& step : steps_)
        substitute(step);
}

bool FileJournal::recordsPath(const QString& path) const {
    const QString key = keyOf(path);
    auto holds = [&](const Step& step) {
        return std::any_of(step.files.begin(), step.files.end(),
                           [&](const FileChange& c) { return c.path == key; });
    };
    return holds(open_) || std::any_of(steps_.begin(), steps_.end(), holds);
}

FileHousekeeping::FileHousekeeping(const QString& path)
    : journal_(FileJournal::active()), path_(path) {
    if (!journal_)
        return;
    journal_->beginHousekeeping(path_);
    if (journal_->recordsPath(path_)) {
        try {
            before_ = readContent(path_);
        } catch (const FileError&) {
        }
    }
}

FileHousekeeping::~FileHousekeeping() {
    // The journal may have gone with its window while the upkeep ran.
    if (journal_ && journal_ == FileJournal::active())
        journal_->endHousekeeping(path_, before_);
}

void noteFileChange(const QString& path) {
    if (FileJournal* journal = FileJournal::active())
        journal->noteChange(path);
}

void nameFileStep(const QString& pattern, int lines) {
    if (FileJournal* journal = FileJournal::active())
        journal->nameStep(pattern, lines);
}

} // namespace numbrava
