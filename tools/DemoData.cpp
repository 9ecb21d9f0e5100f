#include "DemoData.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "DefaultComponents.h"
#include "HostDatabase.h"
#include "platform/Codepage1251.h"
#include "platform/FileSystemPath.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"

namespace DemoData {

const wchar_t kStandard[] = L"1,2-Диметоксиэтан";

// Oxygenates of ГОСТ EN 13132 on a TCEP column, as the shipped components table names them. The
// concentrations are those of the demo petrol (with the internal standard added) and of the calibration
// mixture.
const std::vector<Compound>& Compounds() {
    static const std::vector<Compound> compounds = {
        // peak name             tR, min  petrol calib.  E10   ethers
        {L"ДИПЭ", 3.12, 0.05, 1.50, 0.00, 0.02},        {L"МТБЭ", 3.46, 8.20, 2.00, 0.90, 4.80},
        {L"ЭТБЭ", 4.05, 1.10, 2.00, 0.40, 2.10},        {L"ТАМЭ", 5.21, 0.60, 1.50, 0.10, 1.20},
        {L"Метанол", 6.38, 0.12, 1.00, 0.04, 0.08},     {L"Этанол", 7.15, 4.60, 2.00, 9.10, 4.40},
        {L"2-Пропанол", 7.82, 0.08, 1.00, 0.05, 0.06},  {L"трет-Бутанол", 8.44, 0.35, 1.50, 0.20, 0.25},
        {L"1-Пропанол", 9.61, 0.00, 1.00, 0.00, 0.02},  {L"1,2-Диметоксиэтан", 10.42, 4.90, 2.00, 4.90, 4.90},
        {L"Изобутанол", 11.03, 0.04, 1.00, 0.03, 0.05},
    };
    return compounds;
}

namespace {

// Hydrocarbons the host leaves unidentified: {channel, retention time in min, area in mV·s}.
struct UnnamedPeak {
    int32_t channel;
    double time;
    double area;
};
const UnnamedPeak kUnnamedPeaks[] = {
    {1, 2.21, 35.0}, {1, 2.64, 18.5}, {2, 1.85, 912.0}, {2, 3.90, 1405.0}, {2, 6.70, 604.0}};

constexpr double kResponse = 52.0;  // mV·s per % by mass for a 10 g sample
constexpr double kPi = 3.14159265358979323846;

// A small deterministic generator, so that the demo files are the same on every machine.
class Noise {
public:
    explicit Noise(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    double Uniform() {  // in [0, 1)
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return static_cast<double>((state_ * 0x2545F4914F6CDD1Dull) >> 11) / 9007199254740992.0;
    }
    double Centred() { return Uniform() + Uniform() + Uniform() - 1.5; }

private:
    uint64_t state_;
};

double SigmaSeconds(double retentionTime) {
    return 0.8 + 0.15 * retentionTime;
}

double Baseline(double minutes, int32_t channel) {
    return (channel == 1 ? 1.5 : 3.2) + 0.02 * minutes;
}

double Round4(double value) {
    return std::round(value * 10000.0) / 10000.0;
}

std::wstring Fixed(double value, int decimals) {
    char buffer[64];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::wstring(buffer, result.ptr);
}

Peak MakePeak(const std::wstring& name, int32_t nameId, int32_t channel, double time, double concentration,
              double area) {
    const double sigma = SigmaSeconds(time);
    Peak peak;
    peak.nameId = std::to_wstring(nameId);
    peak.name = name;
    peak.area = Round4(area);
    peak.time = time;
    peak.concentration = concentration;
    peak.height = Round4(area / (sigma * std::sqrt(2 * kPi)));
    peak.channel = channel;
    peak.front = Round4(time - 3 * sigma / 60);
    peak.back = Round4(time + 4 * sigma / 60);
    return peak;
}

void AddUnnamedPeaks(Assay& assay) {
    for (const UnnamedPeak& unnamed : kUnnamedPeaks) {
        assay.peaks.push_back(MakePeak(L"", 0, unnamed.channel, unnamed.time, 0.0, unnamed.area));
    }
}

Run NewRun(int32_t id, const std::wstring& fileName, const std::wstring& sample, int64_t date, double mass,
           size_t samples) {
    Run run;
    run.assay.id = id;
    run.assay.date = date;
    run.assay.fileName = fileName;
    run.assay.sample = sample;
    run.assay.mixture = L"Оксигенаты, ГС-1";
    run.assay.method = L"ГОСТ EN 13132-2012, TCEP";
    run.sampleMass = mass;
    run.samplesPerChannel = samples;
    return run;
}

// Named peaks of the compounds the run holds (their nominal % by mass in `blend`), concentrations
// spread as parallel runs spread.
void AddCompoundPeaks(Run& run, double Compound::*blend) {
    Noise noise(static_cast<uint64_t>(run.assay.id));
    const std::vector<Compound>& compounds = Compounds();
    for (size_t i = 0; i < compounds.size(); ++i) {
        const Compound& compound = compounds[i];
        const double nominal = compound.*blend;
        if (nominal <= 0) continue;
        const double concentration = Round4(nominal * (1 + 0.012 * noise.Centred()));
        const double area = concentration * kResponse * *run.sampleMass / 10;
        const double time = Round4(compound.retentionTime + 0.004 * noise.Centred());
        run.assay.peaks.push_back(
            MakePeak(compound.peakName, static_cast<int32_t>(i + 1), 1, time, concentration, area));
    }
    AddUnnamedPeaks(run.assay);
}

Run PetrolRun(int32_t id, const std::wstring& fileName, const std::wstring& sample, int64_t date, double mass,
              size_t samples, double Compound::*blend = &Compound::petrol) {
    Run run = NewRun(id, fileName, sample, date, mass, samples);
    AddCompoundPeaks(run, blend);
    return run;
}

const wchar_t kPetrol[] = L"АИ-95-К5, партия 2417";
const wchar_t kOtherPetrol[] = L"АИ-92-К5, партия 0988";
const wchar_t kPetrolE10[] = L"АИ-95-К5 Е10, партия 2420";
const wchar_t kPetrolEthers[] = L"АИ-98-К5, партия 2421";

Samples Signal(const Run& run, int32_t channel, Noise& noise) {
    Samples samples(run.samplesPerChannel);
    for (size_t i = 0; i < samples.size(); ++i) {
        const double minutes = static_cast<double>(i) / run.samplingRate / 60;
        samples[i] = static_cast<float>(Baseline(minutes, channel) + 0.004 * noise.Centred());
    }
    for (const Peak& peak : run.assay.peaks) {
        if (peak.channel != channel) continue;
        const double sigma = SigmaSeconds(peak.time) * run.samplingRate;  // in samples
        const double centre = peak.time * 60 * run.samplingRate;
        const double first = std::max(0.0, std::floor(centre - 6 * sigma));
        const double last = std::min(static_cast<double>(samples.size()), std::ceil(centre + 6 * sigma));
        for (double at = first; at < last; ++at) {
            const double z = (at - centre) / sigma;
            samples[static_cast<size_t>(at)] += static_cast<float>(peak.height * std::exp(-0.5 * z * z));
        }
    }
    return samples;
}

PeakMark MarkOf(const Peak& peak, double samplingRate) {
    PeakMark mark;
    mark.front = peak.front;
    mark.back = peak.back;
    mark.time = peak.time;
    mark.area = peak.area;
    mark.height = peak.height;
    mark.concent = peak.concentration;
    mark.name = peak.name;
    mark.reference = peak.name == kStandard;
    mark.left = static_cast<int32_t>(std::lround(peak.front * 60 * samplingRate));
    mark.right = static_cast<int32_t>(std::lround(peak.back * 60 * samplingRate));
    mark.front_base_height = Baseline(peak.front, peak.channel);
    mark.back_base_height = Baseline(peak.back, peak.channel);
    return mark;
}

std::vector<PassportColumn> Columns(int channelCount) {
    PassportColumn polar{1,  L"TCEP", L"Restek", 2, 0.53, 0.56, L"Гелий",  L"1,2,3-трис(2-цианэтокси)пропан",
                         20, 0,       0,         0, 0,    L"",  L"RT-4127"};
    PassportColumn nonPolar{
        2,   L"DB-1", L"Agilent", 1, 0.25, 60,          L"Гелий",     L"100% диметилполисилоксан",
        100, 0,       0,          0, 0.5,  L"122-1063", L"US4521187H"};
    std::vector<PassportColumn> columns{polar, nonPolar};
    columns.resize(static_cast<size_t>(std::min(channelCount, 2)));
    return columns;
}

void FillPassport(const Run& run, Passport& passport) {
    wchar_t assayId[40];
    std::swprintf(assayId, 40, L"5e1d9c3a-7b42-4f0e-9a61-%012d", static_cast<int>(run.assay.id));
    passport.assayid = assayId;
    passport.series = L"EN 13132";
    passport.andate = run.assay.date;
    passport.duration = static_cast<double>(run.samplesPerChannel) / run.samplingRate / 60;
    passport.sample = run.assay.sample;
    passport.method = run.assay.method;
    passport.graduation = run.assay.isCalibration;
    passport.date = run.assay.date + 420;
    passport.mixture = run.assay.mixture;
    passport.columns = Columns(run.channelCount);
    if (run.sampleMass)
        passport.items.push_back({L"masssample", L"Масса пробы, г", Fixed(*run.sampleMass, 4)});
    passport.items.push_back({L"massstandard", L"Масса стандарта, г", L"0.5012"});
    passport.items.push_back({L"operator", L"Оператор", L"Иванова Е. А."});
}

void WriteChromatogram(const Run& run) {
    if (run.file == FileState::Missing) return;
    CVeltarFile4 file = MakeChromatogram(run);
    if (file.Write(run.assay.fileName) != VeltarFileStatus::kOk) {
        throw std::runtime_error("cannot write a chromatogram file");
    }
    if (run.file == FileState::Damaged) {
        // Cut in the middle of the first channel's samples, as a copy broken off would be.
        std::filesystem::resize_file(ToFileSystemPath(run.assay.fileName),
                                     16 + 32 + run.samplesPerChannel * sizeof(float) / 2);
    }
}

}  // namespace

std::vector<Run> DemoSet(size_t samplesPerChannel) {
    const std::wstring petrol = kPetrol;
    const std::wstring otherPetrol = kOtherPetrol;
    std::vector<Run> runs;
    runs.push_back(PetrolRun(101, L"Проба 2417-1.stg", petrol, 1710407520, 10.0213, samplesPerChannel));
    runs.push_back(PetrolRun(102, L"Проба 2417-2.stg", petrol, 1710409260, 9.9874, samplesPerChannel));
    runs.push_back(PetrolRun(103, L"Проба 2417-3.stg", petrol, 1710410940, 10.1452, samplesPerChannel));
    Run calibration = NewRun(104, L"Градуировка ГС-1.stg", L"Градуировочная смесь ГС-1", 1710347100, 5.0021,
                             samplesPerChannel);
    calibration.assay.isCalibration = true;
    AddCompoundPeaks(calibration, &Compound::calibration);
    runs.push_back(calibration);
    runs.push_back(PetrolRun(105, L"Проба 0988-1.stg", otherPetrol, 1710500580, 9.8731, samplesPerChannel));
    runs.back().sampleMass.reset();
    runs.push_back(PetrolRun(106, L"Проба 0988-2.stg", otherPetrol, 1710502620, 10.0112, samplesPerChannel));
    runs.back().file = FileState::Missing;
    runs.push_back(PetrolRun(107, L"Проба 0988-3.stg", otherPetrol, 1710504600, 9.9457, samplesPerChannel));
    runs.back().file = FileState::Damaged;
    // The second day, 2024-03-15.
    const int64_t day2 = 1710489600;
    const double masses[] = {10.0342, 9.9618, 10.0827};
    for (int i = 0; i < 3; ++i) {
        const std::wstring n = std::to_wstring(i + 1);
        runs.push_back(PetrolRun(108 + i, L"Проба 2420-" + n + L".stg", kPetrolE10, day2 + 1800 * i,
                                 masses[i], samplesPerChannel, &Compound::petrolE10));
    }
    for (int i = 0; i < 3; ++i) {
        const std::wstring n = std::to_wstring(i + 1);
        runs.push_back(PetrolRun(111 + i, L"Проба 2421-" + n + L".stg", kPetrolEthers, day2 + 7200 + 1800 * i,
                                 masses[2 - i], samplesPerChannel, &Compound::petrolEthers));
    }
    return runs;
}

namespace {

const wchar_t kQcSample[] = L"Контрольный образец КО-1";

// The check standard's composition, % by mass, and its day-to-day spread (one standard deviation).
struct QcComponent {
    const wchar_t* peakName;
    double nominal;
    double spread;
};
const QcComponent kQcComponents[] = {
    {L"МТБЭ", 5.00, 0.05}, {L"ЭТБЭ", 1.00, 0.01}, {L"Этанол", 3.00, 0.03}, {L"1,2-Диметоксиэтан", 4.90, 0.0}};

// Each day's deviation in standard deviations, chosen so that no rule is broken by chance; the 29th day's
// MTBE (2024-03-14) is out of control on purpose.
constexpr int kQcDays = 30;
constexpr int kQcBadDay = 28;
const double kQcDeviations[kQcDays] = {0.3,  -0.8, 0.5,  1.1,  -0.4, -1.2, 0.7,  0.1,  -0.6, 0.9,
                                       -0.2, 0.4,  -1.0, 0.6,  -0.3, 1.3,  -0.7, 0.2,  -0.5, 0.8,
                                       -0.9, 0.0,  0.5,  -0.4, 1.0,  -1.1, 0.3,  -0.2, 6.0,  0.4};

// The deviation of a component on a day: a day's conditions move the whole standard alike; on the bad
// day MTBE alone is off.
double QcDeviation(size_t component, int day) {
    return component != 0 && day == kQcBadDay ? 0.0 : kQcDeviations[day];
}

// "2024-02-15" for the days from 2024-02-15 on.
std::wstring QcDayText(int day) {
    const int dayOfMonth = day < 15 ? 15 + day : day - 14;
    const wchar_t* month = day < 15 ? L"02" : L"03";
    return L"2024-" + std::wstring(month) + (dayOfMonth < 10 ? L"-0" : L"-") + std::to_wstring(dayOfMonth);
}

Run QcRun(int32_t id, int day, int parallel, size_t samplesPerChannel) {
    const int64_t midnight = 1707955200 + int64_t{86400} * day;  // 2024-02-15 00:00 UTC
    // Run at 07:30 each morning; on the bad day at noon, after the day's analyses.
    const int64_t start = midnight + (day == kQcBadDay ? 12 * 3600 : 7 * 3600 + 1800);
    Run run = NewRun(id, L"КО-1 " + QcDayText(day) + L"-" + std::to_wstring(parallel + 1) + L".stg",
                     kQcSample, start + 900 * parallel, parallel == 0 ? 10.0124 : 9.9871, samplesPerChannel);
    run.assay.mixture = L"Контрольный образец";
    Noise noise(static_cast<uint64_t>(id));
    const std::vector<Compound>& compounds = Compounds();
    for (size_t c = 0; c < std::size(kQcComponents); ++c) {
        const QcComponent& qc = kQcComponents[c];
        const auto compound = std::find_if(compounds.begin(), compounds.end(), [&qc](const Compound& known) {
            return known.peakName == std::wstring(qc.peakName);
        });
        const size_t index = static_cast<size_t>(compound - compounds.begin());
        const double concentration =
            Round4(qc.nominal + qc.spread * QcDeviation(c, day) + 0.1 * qc.spread * noise.Centred());
        const double area = concentration * kResponse * *run.sampleMass / 10;
        const double time = Round4(compound->retentionTime + 0.004 * noise.Centred());
        run.assay.peaks.push_back(
            MakePeak(compound->peakName, static_cast<int32_t>(index + 1), 1, time, concentration, area));
    }
    AddUnnamedPeaks(run.assay);
    return run;
}

}  // namespace

std::vector<Run> QcSet(size_t samplesPerChannel) {
    std::vector<Run> runs;
    for (int day = 0; day < kQcDays; ++day) {
        for (int parallel = 0; parallel < 2; ++parallel)
            runs.push_back(QcRun(201 + 2 * day + parallel, day, parallel, samplesPerChannel));
    }
    return runs;
}

std::string QcFileBytes() {
    std::wstring text = L"Проба;Компонент;Величина;Принятое значение;Допуск ±\r\n";
    text += std::wstring(kQcSample) + L";;% масс.;;\r\n";
    text += std::wstring(kQcSample) + L";МТБЭ;% масс.;5.00;0.15\r\n";
    const std::optional<std::string> bytes = ToCodepage1251(text);
    if (!bytes) throw std::runtime_error("the QC file has a character Windows-1251 lacks");
    return *bytes;
}

std::string DensitiesFileBytes() {
    std::wstring text = L"Проба;Плотность, кг/м3\r\n";
    text += std::wstring(kPetrol) + L";745.68\r\n";
    text += std::wstring(kOtherPetrol) + L";741.20\r\n";
    text += std::wstring(kPetrolE10) + L";748.30\r\n";
    text += std::wstring(kPetrolEthers) + L";739.10\r\n";
    text += std::wstring(kQcSample) + L";742.50\r\n";
    return ToUtf8(text);
}

std::vector<Run> SyntheticSet(int count, int channels, size_t samplesPerChannel, int peaks) {
    const std::vector<Compound>& compounds = Compounds();
    std::vector<Run> runs;
    for (int i = 0; i < count; ++i) {
        Run run = NewRun(1000 + i, L"Синтетика " + std::to_wstring(i + 1) + L".stg", L"Бензин",
                         1710407520 + 3600 * i, 10.0, samplesPerChannel);
        run.channelCount = channels;
        const double duration = static_cast<double>(samplesPerChannel) / run.samplingRate / 60;
        for (int k = 0; k < peaks; ++k) {
            const size_t c = static_cast<size_t>(k) % compounds.size();
            const std::wstring name = k < static_cast<int>(compounds.size())
                                          ? std::wstring(compounds[c].peakName)
                                          : L"Компонент " + std::to_wstring(k + 1);
            const double time = Round4(duration * (0.05 + 0.9 * (k + 0.5) / peaks));
            run.assay.peaks.push_back(
                MakePeak(name, k + 1, k % channels + 1, time, 0.5 + 0.1 * (k % 7), 40.0));
        }
        runs.push_back(std::move(run));
    }
    return runs;
}

CVeltarFile4 MakeChromatogram(const Run& run) {
    CVeltarFile4 file;
    FillPassport(run, file.passport);
    Noise noise(static_cast<uint64_t>(run.assay.id) + 7919);
    for (int32_t number = 1; number <= run.channelCount; ++number) {
        ChromatogramChannel channel;
        channel.number = number;
        channel.samples = Signal(run, number, noise);
        channel.headerValue1 = run.samplingRate;
        channel.headerValue2 = 0.0;  // start of the record, min
        for (const Peak& peak : run.assay.peaks) {
            if (peak.channel == number) channel.peakMarks.push_back(MarkOf(peak, run.samplingRate));
        }
        file.channels.push_back(std::move(channel));
    }
    return file;
}

std::wstring InFolder(const std::wstring& folder, const std::wstring& name) {
#ifdef _WIN32
    const wchar_t separator = L'\\';
#else
    const wchar_t separator = L'/';
#endif
    if (folder.empty() || folder.back() == separator) return folder + name;
    return folder + separator + name;
}

std::wstring HostDatabasePath(const std::wstring& folder) {
    return InFolder(folder, L"host.db");
}

void WriteRuns(const std::wstring& folder, std::vector<Run>& runs) {
    const std::filesystem::path place = std::filesystem::absolute(ToFileSystemPath(folder));
    std::filesystem::create_directories(place);
    const std::wstring absolute = FromFileSystemPath(place);
    std::filesystem::remove(ToFileSystemPath(HostDatabasePath(absolute)));
    HostDatabase db(HostDatabasePath(absolute));
    db.CreateTables();
    db.Execute("BEGIN;");
    for (Run& run : runs) {
        run.assay.fileName = InFolder(absolute, run.assay.fileName);
        WriteChromatogram(run);
        db.AddAssay(run.assay);
        for (const Peak& peak : run.assay.peaks) db.AddPeak(run.assay.id, peak);
    }
    db.Execute("COMMIT;");
}

std::string ComponentsFileBytes() {
    std::wstring text;
    std::istringstream lines{std::string(kDefaultComponentsUtf8)};
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#') continue;
        text += FromUtf8(line) + L"\r\n";
    }
    const std::optional<std::string> bytes = ToCodepage1251(text);
    if (!bytes) throw std::runtime_error("the default components table has a character Windows-1251 lacks");
    return *bytes;
}

void WriteComponentsFile(const std::wstring& path) {
    const std::string bytes = ComponentsFileBytes();
    const StdioFile file = OpenStdioFile(path, "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        throw std::runtime_error("cannot write the components file");
    }
}

void WriteFile(const std::wstring& path, const std::string& bytes) {
    const StdioFile file = OpenStdioFile(path, "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        throw std::runtime_error("cannot write " + ToUtf8(path));
}

void WriteDemo(const std::wstring& folder, size_t samplesPerChannel, bool withQc) {
    std::vector<Run> runs = DemoSet(samplesPerChannel);
    if (withQc) {
        std::vector<Run> qc = QcSet(samplesPerChannel);
        runs.insert(runs.end(), qc.begin(), qc.end());
    }
    WriteRuns(folder, runs);
    const std::wstring absolute = FromFileSystemPath(std::filesystem::absolute(ToFileSystemPath(folder)));
    WriteComponentsFile(InFolder(absolute, L"CompsTableOxycalc.csv"));
    WriteFile(InFolder(absolute, L"densities.csv"), DensitiesFileBytes());
    if (withQc) WriteFile(InFolder(absolute, L"QcOxycalc.csv"), QcFileBytes());
}

}  // namespace DemoData
