#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <deque>
#include <optional>
#include <vector>

namespace numbrava {

// A file's content at one moment; nothing when the file did not exist.
using FileContent = std::optional<QByteArray>;

// The run's history of changes to the user's files, for Undo and Redo. A step
// is what one user action changed: the bytes of every file it touched, before
// and after. Every writer reports a path before it first changes it
// (noteFileChange); the main window opens and closes the steps. Changes made
// while no step is open (the program's housekeeping) are not recorded.
class FileJournal {
  public:
    static constexpr int kMaxSteps = 50;
    static constexpr qint64 kMaxStepBytes = 16 * 1024 * 1024;

    explicit FileJournal(int maxSteps = kMaxSteps, qint64 maxStepBytes = kMaxStepBytes);
    ~FileJournal();
    FileJournal(const FileJournal&) = delete;
    FileJournal& operator=(const FileJournal&) = delete;

    // The journal the writers report to: the running program has one.
    void activate();
    static FileJournal* active();

    // Steps nest: only the outermost end records what changed, and a step
    // that changed nothing is no step.
    void beginStep();
    void endStep();
    bool stepOpen() const { return depth_ > 0; }

    void noteChange(const QString& path);
    // Names the open step. With a line count, `pattern` holds %1 for "N lines"
    // and the counts of the same pattern add up over the step.
    void nameStep(const QString& pattern, int lines = -1);

    bool canUndo() const;
    bool canRedo() const;
    // The Edit menu's texts: "Undo Import of TEST.txt", "Redo ...", plain
    // "Undo" / "Redo" when there is nothing.
    QString undoText() const;
    QString redoText() const;
    // Put the files back as they were before (Undo) or after (Redo) the step.
    // A file that no longer holds what the step left, or a write that fails,
    // throws FileError with the message to show; every file is then as it was.
    void undo();
    void redo();

    // Housekeeping of a path (see FileHousekeeping).
    void beginHousekeeping(const QString& path);
    void endHousekeeping(const QString& path, const std::optional<FileContent>& before);
    bool recordsPath(const QString& path) const;

  private:
    struct FileChange {
        QString path;
        FileContent before, after;
    };
    struct StepName {
        QString pattern;
        int lines = -1;
    };
    struct Step {
        std::vector<FileChange> files;
        std::vector<StepName> names;
        qint64 bytes = 0;
        // Why it cannot be undone; empty when it can.
        QString lost;
        QString name() const;
    };

    void record(Step step);
    void keepBytes(Step& step, const FileContent& content);
    void apply(const Step& step, bool back);

    int maxSteps_;
    qint64 maxStepBytes_;
    int depth_ = 0;
    Step open_;
    std::deque<Step> steps_;
    // Steps applied: steps_[done_ - 1] is the one Undo takes back.
    size_t done_ = 0;
    QHash<QString, int> housekept_;
};

// Opens a step of the journal for as long as it lives.
class FileStep {
  public:
    explicit FileStep(FileJournal& journal) : journal_(journal) { journal_.beginStep(); }
    ~FileStep() { journal_.endStep(); }
    FileStep(const FileStep&) = delete;
    FileStep& operator=(const FileStep&) = delete;

  private:
    FileJournal& journal_;
};

// The program's own upkeep of a file (an empty entry file created or dropped,
// a working copy): never part of a step. Recorded contents that equal the
// file before the upkeep are taken to mean what it holds after it, so Undo
// does not refuse over the program's own change.
class FileHousekeeping {
  public:
    explicit FileHousekeeping(const QString& path);
    ~FileHousekeeping();
    FileHousekeeping(const FileHousekeeping&) = delete;
    FileHousekeeping& operator=(const FileHousekeeping&) = delete;

  private:
    FileJournal* journal_;
    QString path_;
    std::optional<FileContent> before_;
};

// What the writers call: before a path is first changed, and to name the change.
void noteFileChange(const QString& path);
void nameFileStep(const QString& pattern, int lines = -1);

} // namespace numbrava
