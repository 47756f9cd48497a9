// Publishes records into a folder through the same Publish that the Finish button runs, so that
// the browser tests open exactly what a person's click would have written.
//
// Usage: publish_folder FOLDER [CAPTION1 [CAPTION2 [CAPTION3 [CAPTION4]]]]
// Standard input holds one record a line, its cells separated by tabs; cells left out are empty.
#include "publish/publish.h"

#include <cstddef>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kUsageError = 2;

bool ReadRecord(const std::string& line, Record& record)
{
    std::size_t cell = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        if (cell == record.size())
            return false;
        record[cell++] = line.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        if (tab == std::string::npos)
            return true;
        start = tab + 1;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 6) {
        std::cerr << "usage: publish_folder FOLDER [CAPTION1 [CAPTION2 [CAPTION3 [CAPTION4]]]] < records\n";
        return kUsageError;
    }

    std::vector<Record> rows;
    std::string line;
    while (std::getline(std::cin, line)) {
        Record record;
        if (!ReadRecord(line, record)) {
            std::cerr << "publish_folder: record " << rows.size() + 1 << " has more than four cells\n";
            return kUsageError;
        }
        rows.push_back(record);
    }

    Captions captions;
    for (int position = 0; position + 2 < argc; ++position)
        captions[position] = argv[position + 2];

    const PublishResult result = Publish(rows, captions, argv[1]);
    std::cerr << DescribeNotWritten(result);
    if (result.outOfMemory)
        std::cerr << "publish_folder: out of memory\n";
    return result.notWritten.empty() && !result.outOfMemory ? 0 : 1;
}
