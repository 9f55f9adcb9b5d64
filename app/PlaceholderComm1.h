#pragma once
// PLACEHOLDER: stands in for the real serial port and the simulated command station until they
// are wired into the program. It never opens, so every transfer ends with
// "ComPort Kann nicht geöffnet werden!" instead of touching a device.
#include "link/Comm1.h"

class PlaceholderComm1 : public kx2::Comm1 {
public:
    void setCommPort(const QString& port) override { m_port = port; }
    QString commPort() const override { return m_port; }
    void setSettings(const QString& settings) override { m_settings = settings; }
    QString settings() const override { return m_settings; }
    bool setPortOpen(bool open) override { return !open; }
    bool portOpen() const override { return false; }
    void setRtsEnable(bool) override {}
    void setBreak(bool) override {}
    void setHandshaking(Handshaking) override {}
    void setInputLen(int len) override { m_inputLen = len; }
    int inputLen() const override { return m_inputLen; }
    int inBufferCount() const override { return 0; }
    void discardInput() override {}
    int outBufferCount() const override { return 0; }
    void discardOutput() override {}
    void setSThreshold(int) override {}
    void setRThreshold(int n) override { m_rThreshold = n; }
    int rThreshold() const override { return m_rThreshold; }
    bool ctsHolding() const override { return false; }
    QByteArray input() override { return QByteArray(); }
    bool output(const QByteArray&) override { return false; }
    QString errorText() const override { return QStringLiteral("kein Port"); }

private:
    QString m_port;
    QString m_settings;
    int m_inputLen = 0;
    int m_rThreshold = 0;
};
