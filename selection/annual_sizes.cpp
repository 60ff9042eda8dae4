#include "annual_sizes.h"

#include "annual_selection.h"
#include "calculate_selection.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace velmarsund {
namespace {

// A size's year to run: the row it belongs to and the air of the size's calculated selection.
struct SizeYear {
    std::size_t row = 0;
    AnnualAir air;
};

// The air of every suitable size whose selection is calculated. On the calling thread: the
// selection's checks and messages use the program's texts.
std::vector<SizeYear> SizeYearsOf(const Selection& selection, const SizeEvaluation& sizes)
{
    std::vector<SizeYear> years;
    for (std::size_t i = 0; i < sizes.rows.size(); ++i) {
        const SizeEvaluationRow& row = sizes.rows[i];
        if (!row.suitable) continue;
        Selection sized = selection;
        sized.height = row.height;
        sized.width = row.width;
        sized.diameter = row.diameter;
        try {
            years.push_back({i, AnnualAirOf(CalculateSelection(sized))});
        } catch (const SelectionNotCalculated&) {
            // a size the checks refuse has no year
        }
    }
    return years;
}

} // namespace

std::vector<std::optional<AnnualFigures>> AnnualFiguresOfSizes(const Selection& selection, const SizeEvaluation& sizes,
                                                               const WeatherYear& weather,
                                                               const AnnualSizesProgress& progress)
{
    std::vector<std::optional<AnnualFigures>> figures(sizes.rows.size());
    const std::vector<SizeYear> years = SizeYearsOf(selection, sizes);
    const AnnualInputs inputs = selection.annual.value_or(AnnualInputs{});
    const int total = static_cast<int>(years.size());

    const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
    const std::size_t workerCount = std::min<std::size_t>(cores, years.size());
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t next = 0;    // the next year to begin
    std::size_t allowed = 0; // years may begin up to here: those told of and one a worker
    std::size_t done = 0;
    bool stopped = false;
    // Each worker begins the next year once the years before it are told of, so that a stop
    // leaves every year out that has not begun.
    const auto work = [&] {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return stopped || next >= years.size() || next < allowed; });
            if (stopped || next >= years.size()) return;
            const std::size_t j = next++;
            lock.unlock();
            std::optional<AnnualFigures> year;
            try {
                year = CalculateAnnualEnergy(years[j].air, inputs, weather).year;
            } catch (const std::exception&) {
                // an arithmetic fault outside an hour's record: the size has no year
            }
            lock.lock();
            figures[years[j].row] = year;
            ++done;
            changed.notify_all();
        }
    };
    {
        const std::lock_guard lock(mutex);
        allowed = workerCount;
    }
    std::vector<std::jthread> workers;
    for (std::size_t w = 0; w < workerCount; ++w) workers.emplace_back(work);

    std::unique_lock lock(mutex);
    for (std::size_t told = 0; told < years.size() && !stopped;) {
        changed.wait(lock, [&] { return done > told; });
        told = done;
        lock.unlock();
        const bool goOn = !progress || progress(static_cast<int>(told), total);
        lock.lock();
        stopped = !goOn;
        allowed = told + workerCount;
        changed.notify_all();
    }
    lock.unlock();
    workers.clear(); // joins: the years begun run to their end
    return figures;
}

} // namespace velmarsund
