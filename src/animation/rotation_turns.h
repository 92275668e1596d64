#pragma once

#include <QJsonArray>
#include <QJsonObject>

// A dangle sequence animates plain numbers, so the whole turns of each value
// decide which way the bone turns between keys.

// The whole number n that brings x + 360 n within 180 of previous; 0 when
// the difference is not finite.
double wholeTurns(double x, double previous);

// A rotate key's value as the file writes it: "value", else "angle", else 0.
double writtenRotation(const QJsonObject &key);

// The dangle value of each key of one rotate timeline, given the written
// values in key order. A timeline with a "value" key is played as written,
// whole turns included, only shifted so that its first key lies within 180;
// any other one turns the short way from each key to the next.
class RotationValues
{
public:
    explicit RotationValues(const QJsonArray &keys);
    // For keys read already: whether the timeline had a "value" key, and the
    // written value of its first key.
    RotationValues(bool asWritten, double firstWritten);
    double next(double written);

private:
    bool m_asWritten = false;
    double m_shift = 0;
    double m_previous = 0;
};
