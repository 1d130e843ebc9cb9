"""Makes a release archive: the given files, flat, by their base names.

    make_archive.py ARCHIVE RELEASE_DATE FILE...

Two runs over the same files give the same bytes: the entries are sorted, every
entry carries the release date (YYYY-MM-DD, or SOURCE_DATE_EPOCH when set) and
the same MS-DOS attributes, and nothing of the machine or the time of the run
goes in.
"""

import datetime
import os
import sys
import zipfile

ZIP_EPOCH = datetime.datetime(1980, 1, 1)
MS_DOS = 0
FILE_ATTRIBUTE_ARCHIVE = 0x20


def entry_time(release_date):
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if epoch:
        moment = datetime.datetime.fromtimestamp(int(epoch), datetime.timezone.utc).replace(tzinfo=None)
    else:
        moment = datetime.datetime.strptime(release_date, "%Y-%m-%d")
    # NOTE: zip times have no zone and no time before 1980, and odd seconds
    # are rounded differently by different readers.
    moment = max(moment, ZIP_EPOCH)
    return (moment.year, moment.month, moment.day, moment.hour, moment.minute, moment.second // 2 * 2)


def make_archive(archive, release_date, paths):
    date_time = entry_time(release_date)
    entries = sorted((os.path.basename(path), path) for path in paths)
    names = [name for name, _ in entries]
    if len(set(names)) != len(names):
        raise SystemExit(f"two files of one name: {names}")
    partial = archive + ".partial"
    with zipfile.ZipFile(partial, "w") as output:
        for name, path in entries:
            info = zipfile.ZipInfo(name, date_time)
            info.create_system = MS_DOS
            info.external_attr = FILE_ATTRIBUTE_ARCHIVE
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as source:
                output.writestr(info, source.read(), compresslevel=9)
    os.replace(partial, archive)


def main(arguments):
    if len(arguments) < 3:
        raise SystemExit(__doc__)
    archive, release_date, *paths = arguments
    os.makedirs(os.path.dirname(os.path.abspath(archive)), exist_ok=True)
    make_archive(archive, release_date, paths)


if __name__ == "__main__":
    main(sys.argv[1:])
