#pragma once

#include "ui/clock.h"
#include "ui/dialogs.h"
#include "ui/printer_service.h"
#include "ui/random_source.h"
#include "ui/sound_player.h"

#include <QDate>
#include <QHash>
#include <QStringList>
#include <deque>
#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace numbrava::testing {

// Records every box shown; questions answer from a script (unscripted: No, noted as unexpected).
class FakeDialogs : public Dialogs {
  public:
    struct Shown {
        QString text, title;
        bool question = false;
        QString detail;
    };
    std::vector<Shown> shown;
    std::deque<bool> answers;
    int unscriptedQuestions = 0;
    QString fileToOpen; // what the file dialog gives, unless chooser answers
    std::function<QString(const FileChoice&)> chooser;

    void answerYes(int times = 1) { answers.insert(answers.end(), times, true); }
    void answerNo(int times = 1) { answers.insert(answers.end(), times, false); }
    QStringList texts() const {
        QStringList all;
        for (const auto& s : shown)
            all << s.text;
        return all;
    }
    QString last() const { return shown.empty() ? QString() : shown.back().text; }
    void clear() { shown.clear(); }

  protected:
    QString askFile(const FileChoice& choice) override {
        return chooser ? chooser(choice) : fileToOpen;
    }
    void showMessage(const QString& text, const QString& title) override {
        shown.push_back({text, title, false});
    }
    bool askYesNo(const QString& text, const QString& title, const QString& detail) override {
        shown.push_back({text, title, true, detail});
        if (answers.empty()) {
            ++unscriptedQuestions;
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Records what a job sends; page settings 1 and 9 unless settingsOf says otherwise. `failing`
// throws on every call as a broken printer system would, `failOnLine` only on that line.
class FakePrinter : public PrinterService {
  public:
    QStringList printers, lines;
    QString current, fontFamily, failOnLine;
    int fontSize = 0, documentsEnded = 0;
    QHash<QString, std::pair<int, int>> settingsOf;
    std::vector<std::pair<int, int>> settingsApplied;
    bool failing = false;

    QStringList installedPrinters() const override {
        failIfBroken();
        return printers;
    }
    QString currentPrinter() const override { return current; }
    bool selectPrinter(const QString& name) override {
        failIfBroken();
        if (!printers.contains(name))
            return false;
        current = name;
        return true;
    }
    int pageSetting1() const override { return pageSettings().first; }
    int pageSetting2() const override { return pageSettings().second; }
    void setPageSettings(int s1, int s2) override {
        failIfBroken();
        settingsApplied.emplace_back(s1, s2);
    }
    void setFont(const QString& family, int pointSize) override {
        failIfBroken();
        fontFamily = family;
        fontSize = pointSize;
    }
    void printLine(const QString& line) override {
        failIfBroken();
        if (!failOnLine.isNull() && line == failOnLine)
            throw std::runtime_error("printer jammed");
        lines << line;
    }
    void endDocument() override {
        failIfBroken();
        ++documentsEnded;
    }

  private:
    std::pair<int, int> pageSettings() const {
        failIfBroken();
        return settingsOf.value(current, {1, 9});
    }
    void failIfBroken() const {
        if (failing)
            throw std::runtime_error("printer system unavailable");
    }
};

class FakeSound : public SoundPlayer {
  public:
    QStringList played;
    void play(const QString& waveFile) override { played << waveFile; }
};

class FixedClock : public Clock {
  public:
    QDate date{2003, 7, 5};
    double seconds = 43200.0;
    QDate today() const override { return date; }
    double secondsSinceMidnight() const override { return seconds; }
};

// Hands out a fixed sequence of numbers, then repeats it.
class ScriptedRandom : public RandomSource {
  public:
    std::vector<double> sequence{0.5};
    size_t nextIndex = 0;
    std::vector<double> seeds;
    void seed(double value) override { seeds.push_back(value); }
    double next() override { return sequence[nextIndex++ % sequence.size()]; }
};

} // namespace numbrava::testing
