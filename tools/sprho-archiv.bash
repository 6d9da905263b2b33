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

_sprho_archiv()
{
    local cur=${COMP_WORDS[COMP_CWORD]} vorher=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()
    # "--area=1" reaches us as three words: "--area", "=", "1".
    if [[ $vorher == = ]] && ((COMP_CWORD > 2)); then
        vorher=${COMP_WORDS[COMP_CWORD - 2]}
    fi
    if ((COMP_CWORD == 1)); then
        COMPREPLY=($(compgen -W 'pack unpack check search category random --help --version' \
            -- "$cur"))
        return
    fi

    local kategorien
    case $vorher in
        --archive)
            COMPREPLY=($(compgen -f -- "$cur"))
            compopt -o filenames 2>/dev/null
            return
            ;;
        --area)
            COMPREPLY=($(compgen -W '0 1 2' -- "$cur"))
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

    case ${COMP_WORDS[1]} in
        pack | unpack | check)
            COMPREPLY=($(compgen -f -- "$cur"))
            compopt -o filenames 2>/dev/null
            ;;
        search)
            COMPREPLY=($(compgen -W '--archive --area --null -0 --help' -- "$cur"))
            ;;
        category)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--archive --yes --list --null -0 --help' -- "$cur"))
            else
                kategorien=$("$1" category --list 2>/dev/null)
                _sprho_archiv_woerter "$kategorien"
            fi
            ;;
        random)
            COMPREPLY=($(compgen -W '--archive --area --category --yes --seed --null -0 --help' \
                -- "$cur"))
            ;;
    esac
}

complete -F _sprho_archiv sprho-archiv
