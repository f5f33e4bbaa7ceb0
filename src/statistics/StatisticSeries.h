#pragma once

#include <QString>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

// What a statistic produces: bars, the category-axis title and the value-axis bounds. The generator
// reads the bars and the bounds from here, never from a chart widget.
struct StatisticSeries
{
    enum class Scale { Fixed, Automatic };
    using Rgb = std::uint32_t; // 0xRRGGBB
    static constexpr Rgb Red = 0xFF0000;
    static constexpr Rgb Green = 0x008000;

    struct Bar
    {
        double x = 0;
        double y = 0;
        std::optional<Rgb> colour; // none: the series' own colour
        bool operator==(const Bar&) const = default;
    };

    std::vector<Bar> bars;
    QString title;
    Scale scale = Scale::Fixed;
    double axisMinimum = 0;
    double axisMaximum = 0;

    // Fixed scale: the bounds are the smallest and largest bar value.
    void setFixedBoundsFromBars()
    {
        scale = Scale::Fixed;
        if (bars.empty()) {
            axisMinimum = axisMaximum = 0;
            return;
        }
        auto [lo, hi] = std::minmax_element(bars.begin(), bars.end(),
                                            [](const Bar& a, const Bar& b) { return a.y < b.y; });
        axisMinimum = lo->y;
        axisMaximum = hi->y;
    }

    // Automatic scale: the bounds follow the bars and always include the origin 0.
    void setAutomaticBoundsFromBars()
    {
        scale = Scale::Automatic;
        axisMinimum = 0;
        axisMaximum = 0;
        for (const Bar& b : bars) {
            axisMinimum = std::min(axisMinimum, b.y);
            axisMaximum = std::max(axisMaximum, b.y);
        }
    }

    bool operator==(const StatisticSeries&) const = default;
};
