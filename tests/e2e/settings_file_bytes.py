"""The saver's settings file as bytes, for the tests that write one or check
what the settings dialog wrote."""


def settings_file_bytes(kind, repeat, path, blank=" "):
    """A settings file in code page 932, keys in the order the dialog writes.

    blank stands before the two numbers: Windows keeps the one the dialog
    writes before a number that is not negative; Wine drops it."""
    lines = ["[Section]", f"BGM区分={blank}{kind}", f"BGMﾘﾋﾟｰﾄ={blank}{repeat}",
             f"BGMﾌｧｲﾙ={path}", ""]
    return "\r\n".join(lines).encode("cp932")
