"""Reads the version record and icon back from a Windows program file's resource section.

Usage: check_version_record.py EXE ICO VERSION PRODUCT_NAME INTERNAL_NAME COPYRIGHT
VERSION is project()'s "1.0.6": the record must say 1,0,0,6 and "1.00.0006", Chinese (PRC)
with code page 1200, and the icon must hold every image of ICO, unchanged.
"""
import struct
import sys

RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16


def resources(image):
    """{(type, id, language): bytes} from the resource section of a PE32+ file."""
    pe = struct.unpack_from('<I', image, 0x3C)[0]
    assert image[pe:pe + 4] == b'PE\0\0', 'not a PE file'
    sections, optional_size = struct.unpack_from('<H12xH', image, pe + 6)
    optional = pe + 24
    assert struct.unpack_from('<H', image, optional)[0] == 0x20B, 'not PE32+'
    rva, _ = struct.unpack_from('<II', image, optional + 112 + 2 * 8)  # data directory 2

    def offset(address):
        for k in range(sections):
            size, start, _, raw = struct.unpack_from('<IIII', image,
                                                     optional + optional_size + 40 * k + 8)
            if start <= address < start + size:
                return address - start + raw
        raise ValueError('address %#x in no section' % address)

    base = offset(rva)
    found = {}

    def walk(directory, path):
        named, numbered = struct.unpack_from('<HH', image, base + directory + 12)
        for k in range(named + numbered):
            name, target = struct.unpack_from('<II', image, base + directory + 16 + 8 * k)
            if target & 0x80000000:
                walk(target & 0x7FFFFFFF, path + (name,))
            else:
                data, size = struct.unpack_from('<II', image, base + target)
                found[path + (name,)] = image[offset(data):offset(data) + size]

    walk(0, ())
    return found


def block(data, pos=0):
    """A VS_VERSIONINFO block: (key, value bytes, {child key: child}), and where it ends."""
    length, value_length, text = struct.unpack_from('<HHH', data, pos)
    key_end = pos + 6
    while data[key_end:key_end + 2] != b'\0\0':
        key_end += 2
    key = data[pos + 6:key_end].decode('utf-16-le')
    at = (key_end + 2 + 3) & ~3
    value = data[at:at + (2 * value_length if text else value_length)]
    at = (at + len(value) + 3) & ~3
    children = {}
    while at < pos + length:
        child, end = block(data, at)
        children[child[0]] = child
        at = (end + 3) & ~3
    return (key, value, children), pos + length


def text(value):
    return value.decode('utf-16-le').rstrip('\0')


def main():
    exe, ico, version, product, internal, copyright_ = sys.argv[1:7]
    major, minor, patch = (int(part) for part in version.split('.'))
    found = resources(open(exe, 'rb').read())
    failures = []

    def expect(what, got, wanted):
        if got != wanted:
            failures.append('%s: %r, not %r' % (what, got, wanted))

    versions = [v for k, v in found.items() if k[0] == RT_VERSION]
    expect('version records', len(versions), 1)
    (key, fixed, children), _ = block(versions[0])
    expect('record', key, 'VS_VERSION_INFO')
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from('<6I', fixed)
    expect('signature', signature, 0xFEEF04BD)
    numbers = (file_ms >> 16, file_ms & 0xFFFF, file_ls >> 16, file_ls & 0xFFFF)
    expect('FILEVERSION', numbers, (major, minor, 0, patch))
    expect('PRODUCTVERSION',
           (product_ms >> 16, product_ms & 0xFFFF, product_ls >> 16, product_ls & 0xFFFF),
           (major, minor, 0, patch))
    tables = children['StringFileInfo'][2]
    expect('string tables', list(tables), ['080404b0'])
    strings = {k: text(v[1]) for k, v in tables.get('080404b0', ('', b'', {}))[2].items()}
    version_text = '%d.%02d.%04d' % (major, minor, patch)
    expect('strings', strings, {
        'CompanyName': 'Fenmoor', 'FileDescription': product, 'FileVersion': version_text,
        'InternalName': internal, 'LegalCopyright': copyright_,
        'OriginalFilename': internal + '.exe', 'ProductName': product,
        'ProductVersion': version_text})
    translation = children['VarFileInfo'][2]['Translation'][1]
    expect('Translation', struct.unpack('<HH', translation), (0x0804, 1200))

    # The icon group lists the .ico file's images, each stored as an icon resource.
    icon_file = open(ico, 'rb').read()
    count = struct.unpack_from('<H', icon_file, 4)[0]
    images = []
    for k in range(count):
        size, start = struct.unpack_from('<II', icon_file, 6 + 16 * k + 8)
        images.append(icon_file[start:start + size])
    groups = [v for k, v in found.items() if k[0] == RT_GROUP_ICON]
    expect('icon groups', len(groups), 1)
    entries = struct.unpack_from('<H', groups[0], 4)[0]
    stored = []
    for k in range(entries):
        icon_id = struct.unpack_from('<H', groups[0], 6 + 14 * k + 12)[0]
        stored += [v for key, v in found.items() if key[:2] == (RT_ICON, icon_id)]
    expect('icon images', len(stored), 5)
    expect('icon images as in ' + ico, stored, images)

    for failure in failures:
        print('FAIL ' + failure)
    print('version record %d,%d,%d,%d "%s", %d strings, translation %04x/%d, icon of %d images: %s'
          % (numbers + (strings.get('FileVersion'), len(strings))
             + struct.unpack('<HH', translation)
             + (len(stored), 'wrong' if failures else 'as expected')))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
