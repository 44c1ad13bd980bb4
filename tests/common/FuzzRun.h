#pragma once

// Deterministic mutation runs for the loader tests. The suite runs a few seconds per
// loader; VESTRON_FUZZ_ROUNDS=n runs n rounds of every fuzz test instead (a longer
// developer mode) and VESTRON_FUZZ_SEED=s changes every test's seed. The seed corpus is
// ours: tests/corpus/ and the program's own resources.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <random>

class FuzzRun
{
public:
    FuzzRun(int defaultRounds, uint32_t defaultSeed)
        : m_rounds(setting("VESTRON_FUZZ_ROUNDS", defaultRounds))
        , m_seed(uint32_t(setting("VESTRON_FUZZ_SEED", int(defaultSeed))))
        , m_random(m_seed)
    {
    }

    int rounds() const { return m_rounds; }
    uint32_t seed() const { return m_seed; }
    int below(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    // One to eight edits: bytes flipped or set to edge values, a range cut out, copied
    // or repeated, the file cut short, or one of the given tokens (markers, headers)
    // dropped in.
    QByteArray mutate(QByteArray bytes, const QList<QByteArray>& tokens = {})
    {
        static const char edges[] = {'\0', '\x01', '\x7f', '\x80', '\xff', '\xfe'};
        const int edits = 1 + below(8);
        for (int i = 0; i < edits; ++i) {
            const int size = int(bytes.size());
            const int at = below(size + 1);
            switch (below(tokens.isEmpty() ? 7 : 8)) {
            case 0:
                if (size > 0)
                    bytes[below(size)] = char(bytes[below(size)] ^ (1 << below(8)));
                break;
            case 1:
                if (size > 0)
                    bytes[below(size)] = edges[below(int(sizeof edges))];
                break;
            case 2:
                bytes.remove(at, 1 + below(64));
                break;
            case 3:
                bytes.insert(at, bytes.mid(below(size + 1), 1 + below(64)));
                break;
            case 4:
                bytes.truncate(below(size + 1));
                break;
            case 5:
                bytes.insert(at, QByteArray(1 + below(16), char(below(256))));
                break;
            case 6:
                if (size > 4) {
                    // A 16- or 32-bit field set to a large or small value.
                    const int field = below(size - 3);
                    const uint32_t value = below(2) ? 0xFFFFFFFFu >> below(32) : uint32_t(below(3));
                    for (int b = 0; b < 2 + 2 * below(2); ++b)
                        bytes[field + b] = char(value >> (8 * b));
                }
                break;
            default:
                bytes.insert(at, tokens[below(int(tokens.size()))]);
                break;
            }
        }
        return bytes;
    }

    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    static int setting(const char* name, int fallback)
    {
        bool ok = false;
        const int value = qEnvironmentVariableIntValue(name, &ok);
        return ok && value > 0 ? value : fallback;
    }

    int m_rounds;
    uint32_t m_seed;
    std::mt19937 m_random;
};
