#include "window_system_startup.h"

#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "translation.h"

namespace ranktally {
namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// A message handler is a plain function, so its state can only live here.
std::vector<HeldMessage> held;

// Qt says why the window system failed in its first platform warning, then warns and aborts about
// plugins in general; the first warning is the line worth showing.
void HoldOrExit(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        held.push_back({type, QByteArray(context.category), text});
        return;
    }
    QString reason = text.section(QLatin1Char('\n'), 0, 0);
    const auto cause = std::find_if(held.begin(), held.end(), [](const HeldMessage& message) {
        return message.category.startsWith("qt.qpa");
    });
    if (cause != held.end()) {
        reason = cause->text.trimmed();
    }
    // TRANSLATORS: %1 is the window system's own reason, as Qt words it.
    const std::string complaint =
        Filled(Translated(N_("cannot open a window: %1")), {reason.toStdString()});
    std::fprintf(stderr, "ranktally: %s\n", complaint.c_str());
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

WindowSystemStartup::WindowSystemStartup() : previous_(qInstallMessageHandler(HoldOrExit)) {}

WindowSystemStartup::~WindowSystemStartup() {
    Succeeded();
}

void WindowSystemStartup::Succeeded() {
    if (!active_) {
        return;
    }
    active_ = false;
    qInstallMessageHandler(previous_);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
}

}  // namespace ranktally
