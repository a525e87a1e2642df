#pragma once

#include <QCoreApplication>
#include <QTranslator>

// Translates every text by one rule (a "*" after it), so that a test tells the
// window's translated texts from the English ones without a .qm file. It is
// installed for its lifetime.
class TStarTranslator : public QTranslator {
public:
    TStarTranslator() { QCoreApplication::installTranslator(this); }
    ~TStarTranslator() override { QCoreApplication::removeTranslator(this); }

    QString translate(const char*, const char* sourceText, const char*, int) const override {
        return QString::fromUtf8(sourceText) + QLatin1Char('*');
    }
    bool isEmpty() const override { return false; }
};
