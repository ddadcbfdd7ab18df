#pragma once

#include "client/gamewindow.h"
#include "client/spectatorlist.h"
#include "shell/gamestartform.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace pictova::test {

// A real game window, offscreen, whose sends are captured and whose queue is drained by hand.
class ClientFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Queues server messages and drains them all.
    void receive(const QStringList& entries);
    void receive(const QString& entry) { receive(QStringList{entry}); }
    // Logs in as `seat` named `name`, with the given other players present.
    void logIn(int seat, const QString& name = QStringLiteral("Me"));
    QStringList sentEntries() const;
    QStringList chatLines() const;
    QString lastChatLine() const;

    QTemporaryDir m_data;
    std::unique_ptr<GameWindow> m_chat;
    std::unique_ptr<SpectatorList> m_spectators;
    std::unique_ptr<GameStartForm> m_startform;
    QList<QByteArray> m_sent;
};

} // namespace pictova::test
