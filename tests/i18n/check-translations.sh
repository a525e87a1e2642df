#!/usr/bin/env bash
# Fails when a translation is missing or loses a placeholder, or when the .ts
# files lag behind the texts of the sources (run the update_translations target).
# Usage: check-translations.sh LUPDATE REPOSITORY
set -euo pipefail
lupdate=$1
repository=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# Every message translated, with the placeholders (%1, %n...) of its source.
for ts in "$repository"/translations/*.ts; do
    perl -0777 -ne '
        my $file = $ARGV;
        while (/<message(?: [^>]*)?>(.*?)<\/message>/sg) {
            my $message = $1;
            my ($source) = $message =~ /<source>(.*?)<\/source>/s;
            my ($attributes, $translation) = $message =~ /<translation([^>]*)>(.*?)<\/translation>/s;
            $attributes //= ""; $translation //= "";
            if ($attributes =~ /unfinished|vanished|obsolete/ || $translation eq "") {
                print "$file: not translated: $source\n"; $bad = 1; next;
            }
            my @wanted = sort ($source =~ /%(?:\d|n)/g);
            my @found = sort ($translation =~ /%(?:\d|n)/g);
            if ("@wanted" ne "@found") {
                print "$file: placeholders differ: $source\n"; $bad = 1;
            }
        }
        END { exit($bad ? 1 : 0) }' "$ts" || status=1
done

# The .ts files hold exactly the texts the sources ask to translate.
cp "$repository"/translations/*.ts "$work"/
"$lupdate" -silent -no-obsolete -locations none "$repository/src/gui" "$repository/src/core" \
    -ts "$work"/*.ts >/dev/null
for ts in "$work"/*.ts; do
    committed="$repository/translations/$(basename "$ts")"
    if grep -q 'type="unfinished"' "$ts" && ! grep -q 'type="unfinished"' "$committed"; then
        echo "$(basename "$ts"): texts of the sources are missing; run the update_translations target:" >&2
        perl -0777 -ne 'while (/<source>(.*?)<\/source>\s*<translation type="unfinished">/sg) { print "  $1\n" }' "$ts" >&2
        status=1
    fi
    if [ "$(grep -c '<message' "$ts")" != "$(grep -c '<message' "$committed")" ]; then
        echo "$(basename "$ts"): holds texts the sources no longer have" >&2
        status=1
    fi
done
exit $status
