# Bash completion for sprho-archiv: subcommands, their options, category
# names and file names where a file is expected. The category names come from
# the tool itself, so they are always the ones it knows.

_sprho_archiv_woerter()
{
    # One word per line; a name such as "Alkohol & Co." stays one word, and
    # -o filenames has readline quote it.
    local IFS=$'\n' roh=${cur//\\/}
    COMPREPLY=($(compgen -W "$1" -- "$roh"))
    compopt -o filenames 2>/dev/null
}

_sprho_archiv_dateien()
{
    COMPREPLY=($(compgen -f -- "$cur"))
    compopt -o filenames 2>/dev/null
}

_sprho_archiv()
{
    local cur=${COMP_WORDS[COMP_CWORD]} vorher=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()
    # "--area=1" reaches us as three words: "--area", "=", "1"; right after the
    # "=" the word being completed is the "=" itself.
    if [[ $cur == = ]]; then
        cur=
    elif [[ $vorher == = ]] && ((COMP_CWORD > 2)); then
        vorher=${COMP_WORDS[COMP_CWORD - 2]}
    fi
    if ((COMP_CWORD == 1)); then
        COMPREPLY=($(compgen -W 'pack unpack add check search category random --help --version' \
            -- "$cur"))
        return
    fi

    local kategorien
    case $vorher in
        --archive)
            _sprho_archiv_dateien
            return
            ;;
        --area)
            COMPREPLY=($(compgen -W '0 1 2' -- "$cur"))
            return
            ;;
        --format)
            COMPREPLY=($(compgen -W 'lines fortune' -- "$cur"))
            return
            ;;
        --encoding)
            COMPREPLY=($(compgen -W 'utf-8 windows-1252' -- "$cur"))
            return
            ;;
        --seed)
            return
            ;;
        --category)
            kategorien=$("$1" category --list 2>/dev/null)
            _sprho_archiv_woerter "$kategorien"
            return
            ;;
    esac

    local optionen
    case ${COMP_WORDS[1]} in
        pack) optionen='--format --encoding --replace --skip --area --force --help' ;;
        unpack) optionen='--format --area --force --help' ;;
        add) optionen='--archive --area --replace --help' ;;
        check) optionen='--all --archive --help' ;;
        search) optionen='--archive --area --all --null -0 --help' ;;
        category) optionen='--archive --yes --list --null -0 --help' ;;
        random) optionen='--archive --area --category --yes --seed --null -0 --help' ;;
        *) return ;;
    esac
    # Where no file or category is expected, every word starts as an option.
    if [[ $cur == -* || ${COMP_WORDS[1]} =~ ^(search|random|add)$ ]]; then
        COMPREPLY=($(compgen -W "$optionen" -- "$cur"))
        return
    fi
    case ${COMP_WORDS[1]} in
        pack | unpack | check) _sprho_archiv_dateien ;;
        category)
            kategorien=$("$1" category --list 2>/dev/null)
            _sprho_archiv_woerter "$kategorien"
            ;;
    esac
}

complete -F _sprho_archiv sprho-archiv
