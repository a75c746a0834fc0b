#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdio>

// The offscreen platform warns "This plugin does not support ..." whenever a window asks for what
// only a desktop does (raising a popup, passing on a fixed size): harmless there, and repeated for
// every window it would bury the messages that matter. While an object of this lives, those
// warnings are dropped and every other message goes where it went before.
class TTichyOffscreen {
public:
    TTichyOffscreen() { Predchozi() = qInstallMessageHandler(&Zprava); }
    ~TTichyOffscreen() { qInstallMessageHandler(Predchozi()); }
    TTichyOffscreen(const TTichyOffscreen &) = delete;
    TTichyOffscreen &operator=(const TTichyOffscreen &) = delete;

private:
    static QtMessageHandler &Predchozi()
    {
        static QtMessageHandler predchozi = nullptr;
        return predchozi;
    }

    static void Zprava(QtMsgType druh, const QMessageLogContext &kontext, const QString &text)
    {
        if (druh == QtWarningMsg && text.startsWith(QStringLiteral("This plugin does not support")))
            return;
        if (Predchozi())
            Predchozi()(druh, kontext, text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(druh, kontext, text)));
    }
};
