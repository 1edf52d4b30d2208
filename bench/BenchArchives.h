#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QTemporaryDir;
class RecordLayout;

// The folder a benchmark writes its archives in, ending with '/': the one
// its first argument names, or else `temporary` (removed after).
QString benchFolder(int argc, char *argv[], const QTemporaryDir &temporary);

// Writes an archive of `records` generated records for a benchmark: every
// field holds "<name> valore di prova" unless `fill` (called with the
// record's number, from 1) puts something else in it. Written in large
// blocks; false when the file cannot be written whole.
bool writeGeneratedArchive(const QString &path, const RecordLayout &layout, int records,
                           const std::function<void(int k, QStringList &texts)> &fill);

// The plain read a benchmark compares with: the whole file once, from the
// page cache, in blocks of the lists' size into one buffer touched
// beforehand. Its time in milliseconds; -1 when the file cannot be read.
double readOnce(const QString &path);

// Figures of a series of runs.
double median(std::vector<double> samples);
double best(const std::vector<double> &samples);
// Each time divided by the plain read made just before it.
std::vector<double> ratios(const std::vector<double> &times, const std::vector<double> &reads);
