#include "reports/reportfile.h"

#include <cerrno>
#include <cstring>

#include "platform/codepage.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "records/fileops.h"
#include "reports/csvexport.h"
#include "reports/reportlines.h"

std::string reportpath(const std::string& datafilename, std::string_view filename)
{
    const std::size_t slash = datafilename.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : datafilename.substr(0, slash + 1);
    return makefullname(folder, std::string(filename));
}

bool writereportfile(FileOps& ops, Messages& messages, const std::string& path, std::string_view failmessage,
                     const std::function<void(ReportLines&)>& write)
{
    std::unique_ptr<WritableFile> file = ops.create(path);
    if (!file) {
        messages.showmsg(cannotcreatemessage);
        return false;
    }
    ReportLines out(*file);
    write(out);
    out.close();
    if (out.failed()) {
        messages.showmsg(std::string(failmessage));
        return false;
    }
    return true;
}

bool writecsvfile(FileOps& ops, Messages& messages, const std::string& path, const RecordList& records,
                  const FormatSettings& fs)
{
    errno = 0;
    std::unique_ptr<WritableFile> file = ops.create(path);
    if (!file) {
        const int error = errno;
        std::string message = "Cannot create file \"" + path + "\".";
        if (error != 0)
            message += std::string(" ") + std::strerror(error);
        messages.showmsg(message);
        return false;
    }
    ReportLines out(*file);
    writecsv(out, records, fs);
    out.close();
    if (out.failed()) {
        messages.showmsg("Stream write error");
        return false;
    }
    return true;
}
