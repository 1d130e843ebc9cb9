"""A Windows program's resources, read from its file as Windows reads them.

The file is read, not run: these checks hold on any machine, whichever
programs Wine can run there.
"""

import struct
from xml.etree import ElementTree

import pefile

RT_ICON = 3
RT_RCDATA = 10
RT_GROUP_ICON = 14
RT_MANIFEST = 24
MANIFEST_ID = 1
DPI_AWARE = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}dpiAware"
DPI_AWARENESS = "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}dpiAwareness"


class ProgramResources:
    def __init__(self, path):
        self.pe = pefile.PE(path)

    def version_strings(self):
        """The first string table of the version block, as {name: text}."""
        for info in getattr(self.pe, "FileInfo", [[]])[0]:
            if info.Key == b"StringFileInfo" and info.StringTable:
                return {name.decode(): text.decode()
                        for name, text in info.StringTable[0].entries.items()}
        return {}

    def fixed_versions(self):
        """The fixed block's file and product versions, most significant first."""
        fixed = self.pe.VS_FIXEDFILEINFO[0]
        return (fixed.FileVersionMS, fixed.FileVersionLS,
                fixed.ProductVersionMS, fixed.ProductVersionLS)

    def resource(self, kind, identifier):
        """The bytes of one resource, in its first language; None when it is missing."""
        directory = getattr(self.pe, "DIRECTORY_ENTRY_RESOURCE", None)
        for entry in directory.entries if directory else []:
            if entry.id != kind:
                continue
            for named in entry.directory.entries:
                if named.id == identifier:
                    data = named.directory.entries[0].data.struct
                    return self.pe.get_data(data.OffsetToData, data.Size)
        return None

    def manifest_setting(self, name):
        """The text of one setting of the manifest, by its qualified name: Windows
        ignores a setting in another namespace. None when it is missing; a
        manifest that is not XML raises, as Windows will not start the program."""
        manifest = self.resource(RT_MANIFEST, MANIFEST_ID)
        setting = None if manifest is None else ElementTree.fromstring(manifest).find(".//" + name)
        return None if setting is None else setting.text

    def icon_sizes(self, identifier):
        """The (width, height) of each picture of an icon whose image is present."""
        group = self.resource(RT_GROUP_ICON, identifier)
        if not group:
            return []
        count = struct.unpack_from("<H", group, 4)[0]
        sizes = []
        for index in range(count):
            width, height, *_, picture = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * index)
            if self.resource(RT_ICON, picture):
                sizes.append((width or 256, height or 256))
        return sizes
